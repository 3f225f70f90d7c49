#pragma once
// The item list window: beside the wizard, the gathered items as a two-level
// list with check boxes. A GroupRow stands for one recognised product and
// makes its ItemRows anew each time it is expanded; an ItemRow refers to a
// record of the wizard's item store by index. The window keeps no data of its
// own beyond the cells, so its close box is refused while the wizard lives:
// closing would lose the user's ticks, and a list without its wizard could
// not expand its rows.

#include <memory>

#include "platform/gui/Graphics.h"
#include "platform/gui/Listbox.h"
#include "platform/gui/ProgressWheel.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/Window.h"
#include "platform/text/String.h"

class Window1;

class Window2 : public Window {
public:
    // The one item list window, made on first use.
    static std::shared_ptr<Window2> Instance() { return SingleInstance<Window2>(); }

    // Controls, in creation order.
    Listbox* Listbox1 = nullptr;
    StaticText* StaticText1 = nullptr; // busy text, with the wheel
    StaticText* StaticText2 = nullptr; // heading over the names
    ProgressWheel* ProgressWheel1 = nullptr;
    StaticText* StaticText3 = nullptr; // heading over the kind labels

    // The wizard whose item store the rows refer to; set before the window is
    // shown. Expired once the wizard is gone: the list never keeps it alive.
    std::weak_ptr<Window1> pWin1;

    // Listbox1's columns: the name with its check box; the item kind, empty on
    // a GroupRow; an ItemRow's store index or a GroupRow's ItemIndexList; the
    // kind's label.
    static constexpr int kNameColumn = 0;
    static constexpr int kKindColumn = 1;
    static constexpr int kIndexColumn = 2;
    static constexpr int kLabelColumn = 3;

    // A row of Listbox1 as the transfer reads it.
    struct ItemRow {
        bool ticked = false;
        String name;
        String kind;
        String index;
    };
    int RowCount() const;
    ItemRow Row(int row) const;

    void Listbox1_ExpandRow(int row);
    void Listbox1_CellAction(int row, int column);
    bool Listbox1_CellBackgroundPaint(Graphics& g, int row, int column);
    void ExpRow(int row);

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    bool Event_CancelClose(bool appQuitting) override;

private:
    void _CreateControls0();
};

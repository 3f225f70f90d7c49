#pragma once
// A list of rows and columns, flat or hierarchical, over a Qt tree view.
//
// Rows are numbered in display order from 0, the children of expanded rows
// included, so a row's number changes when rows above it are expanded or
// collapsed. Reading a row by number costs O(1).
//
// A folder row (AddFolder) has children only while it is expanded. Setting
// Expanded to true, or the user opening the disclosure triangle, raises
// OnExpandRow once; the rows that the handler adds with AddRow/AddFolder
// become the row's children, each below the ones added before, and
// LastIndex designates them. Collapsing removes the children; the next
// expand makes them anew.
//
// The handler may run on a cooperative thread and yield between rows. The
// rule "AddRow adds to the row being expanded" holds for the code that
// raised the expand (the same cooperative thread, or the event loop's
// stack); another thread that adds rows meanwhile appends them at the end,
// at the top level. When the row being expanded goes away before its handler
// ends (collapsed, or all rows deleted), the handler's further rows are
// dropped and LastIndex is -1, so its cell writes go nowhere.
//
// Rows or columns out of range never fail: reads give "" and False, writes
// are ignored.
//
// Events raised by the user's actions (selection, check box, disclosure
// triangle) run from the event loop right after the view has handled the
// input, never inside Qt's own handling of it.

#include "platform/gui/Control.h"
#include "platform/gui/Graphics.h"
#include "platform/text/String.h"

#include <functional>
#include <vector>

class ListModel;
class ListView;
struct ListCell;
struct ListRow;
class QModelIndex;
class QPainter;
class QPersistentModelIndex;
class QRect;

class Listbox : public Control {
public:
    static constexpr int TypeCheckbox = 2;

    Listbox(Window& window, std::string name);
    ~Listbox() override;

    void DeleteAllRows();
    void AddRow(const String& text);
    void AddFolder(const String& text);
    int LastIndex() const;
    int ListCount() const;

    // The selected row, -1 when none; setting -1 clears the selection.
    int ListIndex() const;
    void SetListIndex(int row);

    String List(int row) const { return Cell(row, 0); }
    String Cell(int row, int column) const;
    void SetCell(int row, int column, const String& text);
    // Setting a check from code raises no OnCellAction.
    bool CellCheck(int row, int column) const;
    void SetCellCheck(int row, int column, bool checked);
    int CellType(int row, int column) const;
    void SetCellType(int row, int column, int type);

    bool Expanded(int row) const;
    void SetExpanded(int row, bool expanded);

    int ColumnCount() const;
    void SetColumnCount(int count);
    // "70%,0,0,*": a share of the width, pixels, or the rest; 0 hides a column.
    const String& ColumnWidths() const { return columnWidths_; }
    void SetColumnWidths(const String& widths);
    // A column's heading. Without a heading row it is not drawn, yet screen
    // readers give it for the column (the list's own labels may stand in
    // for the row). A hidden column is not read out at all.
    String Heading(int column) const;
    void SetHeading(int column, const String& heading);

    bool Hierarchical() const { return hierarchical_; }
    void SetHierarchical(bool hierarchical);
    bool HasHeading() const { return hasHeading_; }
    void SetHasHeading(bool hasHeading);
    // Points; 0 is the system size.
    double TextSize() const { return textSize_; }
    void SetTextSize(double points);

    std::function<void(int row)> OnExpandRow;
    // The user changed the check box of a cell.
    std::function<void(int row, int column)> OnCellAction;
    // Before each shown cell is drawn, with g clipped to the cell; false
    // lets the list draw the cell as usual over what the handler drew.
    std::function<bool(Graphics& g, int row, int column)> OnCellBackgroundPaint;
    std::function<void()> OnChange;

private:
    // A running OnExpandRow: the row it fills (nullptr once that row is
    // gone) and the cooperative thread that raised it.
    struct ExpandScope {
        ListRow* row;
        const void* caller;
    };

    const ListCell* CellAt(int row, int column) const;
    void Add(const String& text, bool folder);
    void Expand(ListRow* row);
    void Collapse(ListRow* row);
    ExpandScope* ScopeOf(const void* caller) const;
    void UserToggledExpansion(const QPersistentModelIndex& index);
    void UserChangedCheck(const QPersistentModelIndex& index);
    void SelectionMayHaveChanged();
    const ListRow* SelectedRow() const;
    bool PaintCellBackground(QPainter& painter, const QRect& cell, const QModelIndex& index);
    void ApplyColumnWidths();
    // After the model was reset: the expanded rows and the selection shown again.
    void ShowStateAgain();

    ListView* view_;
    ListModel* model_;
    std::vector<ExpandScope*> expanding_; // innermost last
    const ListRow* lastAdded_ = nullptr;
    const ListRow* selected_ = nullptr;
    String columnWidths_;
    bool hierarchical_ = false;
    bool hasHeading_ = false;
    double textSize_ = 0;
};

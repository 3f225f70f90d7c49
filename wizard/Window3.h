#pragma once
// The picker of the network method: the old machine's disk among the mounted
// volumes, and a user folder in that disk's "Users" folder. Both buttons hide
// the window, so the caller reads pVolNo and pUser and then closes it.

#include <cstdint>
#include <memory>

#include "platform/gui/Listbox.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/Window.h"
#include "platform/text/String.h"

class Window3 : public Window {
public:
    // The open picker, or a new one.
    static std::shared_ptr<Window3> Instance() { return SingleInstance<Window3>(); }

    // Controls, in creation order.
    Listbox* Listbox1 = nullptr;       // volumes; row i is Volume(i)
    PushButton* PushButton1 = nullptr; // Cancel
    PushButton* PushButton2 = nullptr; // Execute
    StaticText* StaticText1 = nullptr;
    Listbox* Listbox2 = nullptr; // user folders of the chosen volume
    StaticText* StaticText2 = nullptr;

    // 0 in a new picker; -1 after Cancel, the close box or Escape; after Execute the
    // chosen volume's index, 1 or more.
    std::int32_t pVolNo = 0;
    // After Execute the chosen user folder's name.
    String pUser;

    void Listbox1_Change();
    void PushButton1_Action();
    void PushButton2_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Event_Open() override;
    bool Event_CancelClose(bool appQuitting) override;
    bool Event_KeyDown(const String& key) override;

private:
    void _CreateControls0();
};

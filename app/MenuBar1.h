#pragma once
// The application's menu bar: File with Quit, Edit with the standard items,
// and the About item, which the platform shows in the application menu.

#include <memory>

#include "platform/gui/MenuBar.h"

class MenuBar1 : public MenuBar {
public:
    // The single menu bar, made on first use.
    static std::shared_ptr<MenuBar1> Instance();
    // Releases the single menu bar at the end of the application.
    static void Release();

    MenuBar1();

private:
    void Untitled0();
    void Untitled1();
};

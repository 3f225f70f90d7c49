#pragma once
// The menu bar: a MenuItem whose children are the menus. One bar may be
// shown by the application and by several windows at once.

#include <vector>

#include "platform/gui/MenuItem.h"

class QMenuBar;

class MenuBar : public MenuItem {
public:
    MenuBar();

    // Shows the bar's menus in a Qt menu bar, and keeps it up to date.
    void ShowIn(QMenuBar* bar);

    void Choose() override {}

protected:
    void ChildAppended(MenuItem& menu) override;

private:
    std::vector<QMenuBar*> shownIn_;
};

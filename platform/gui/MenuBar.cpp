#include "platform/gui/MenuBar.h"

#include <QMenuBar>

#include <algorithm>

MenuBar::MenuBar() = default;

void MenuBar::ShowIn(QMenuBar* bar) {
    for (int i = 0; i < Count(); ++i) {
        MenuItem& menu = *Item(i);
        menu.EnsureMenu();
        bar->addAction(menu.Action());
    }
    if (std::find(shownIn_.begin(), shownIn_.end(), bar) != shownIn_.end())
        return;
    shownIn_.push_back(bar);
    // A window's bar goes with the window; forget it then.
    QObject::connect(bar, &QObject::destroyed, Action(), [this, bar] {
        shownIn_.erase(std::remove(shownIn_.begin(), shownIn_.end(), bar), shownIn_.end());
    });
}

void MenuBar::ChildAppended(MenuItem& menu) {
    menu.EnsureMenu();
    for (QMenuBar* bar : shownIn_)
        bar->addAction(menu.Action());
}

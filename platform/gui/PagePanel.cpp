#include "platform/gui/PagePanel.h"

#include <QWidget>

PagePanel::PagePanel(Window& window, std::string name) : Control(window, std::move(name)) {
    auto* panel = new QWidget(ContentWidget());
    // The pages' controls are the window's own widgets; presses on the empty
    // panel belong to the window.
    panel->setAttribute(Qt::WA_TransparentForMouseEvents);
    Attach(panel);
}

void PagePanel::SetPageCount(int count) {
    pageCount_ = count;
    RefreshWindow();
}

void PagePanel::SetValue(int value) {
    if (value_ == value)
        return;
    value_ = value;
    RefreshWindow();
    Raise(OnChange);
}

bool PagePanel::ShowsPage(int panelIndex) const {
    return panelIndex == value_ && value_ >= 0 && value_ < pageCount_;
}

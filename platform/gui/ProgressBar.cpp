#include "platform/gui/ProgressBar.h"

#include <QProgressBar>

#include <algorithm>

ProgressBar::ProgressBar(Window& window, std::string name)
    : Control(window, std::move(name)), bar_(new QProgressBar(ContentWidget())) {
    bar_->setTextVisible(false);
    Attach(bar_);
    Apply();
}

void ProgressBar::SetMaximum(int maximum) {
    maximum_ = maximum;
    Apply();
}

void ProgressBar::SetValue(int value) {
    value_ = value;
    Apply();
}

void ProgressBar::Apply() {
    // Qt ignores a value outside the range; the framework shows it clamped.
    bar_->setRange(0, std::max(maximum_, 0));
    bar_->setValue(std::clamp(value_, 0, std::max(maximum_, 0)));
}

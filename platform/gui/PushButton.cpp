#include "platform/gui/PushButton.h"

#include "platform/gui/QtText.h"

#include <QPushButton>

PushButton::PushButton(Window& window, std::string name)
    : Control(window, std::move(name)), button_(new QPushButton(ContentWidget())) {
    button_->setAutoDefault(false);
    Attach(button_);
    QObject::connect(button_, &QPushButton::clicked, SignalContext(), [this] { Raise(OnAction); });
}

void PushButton::SetCaption(const String& caption) {
    caption_ = caption;
    button_->setText(ToQString(caption));
}

void PushButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    button_->setDefault(isDefault);
}

void PushButton::Push() {
    if (Shown() && Enabled())
        button_->click();
}

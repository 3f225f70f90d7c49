#include "platform/gui/GroupBox.h"

#include "platform/gui/QtText.h"

#include <QGroupBox>

GroupBox::GroupBox(Window& window, std::string name)
    : Control(window, std::move(name)), box_(new QGroupBox(ContentWidget())) {
    Attach(box_);
}

void GroupBox::SetCaption(const String& caption) {
    caption_ = caption;
    box_->setTitle(ToQString(caption));
}

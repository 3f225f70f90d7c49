#include "platform/gui/GroupBox.h"

#include <QGroupBox>

GroupBox::GroupBox(Window& window, std::string name) : Control(window, std::move(name)) {
    Attach(new QGroupBox(ContentWidget()));
}

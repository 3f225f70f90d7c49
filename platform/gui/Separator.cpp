#include "platform/gui/Separator.h"

#include <QFrame>

Separator::Separator(Window& window, std::string name) : Control(window, std::move(name)) {
    auto* line = new QFrame(ContentWidget());
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    Attach(line);
}

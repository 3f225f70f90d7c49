#pragma once
// A framed box; the controls set into it are seen only while it is.

#include "platform/gui/Control.h"
#include "platform/text/String.h"

class QGroupBox;

class GroupBox : public Control {
public:
    GroupBox(Window& window, std::string name);

    const String& Caption() const { return caption_; }
    void SetCaption(const String& caption);

private:
    QGroupBox* box_;
    String caption_;
};

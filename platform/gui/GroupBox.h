#pragma once
// A framed box without a caption; the controls set into it are seen only
// while it is.

#include "platform/gui/Control.h"

class GroupBox : public Control {
public:
    GroupBox(Window& window, std::string name);
};

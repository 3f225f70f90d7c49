#pragma once
// A horizontal rule.

#include "platform/gui/Control.h"

class Separator : public Control {
public:
    Separator(Window& window, std::string name);
};

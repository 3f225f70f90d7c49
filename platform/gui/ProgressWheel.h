#pragma once
// A spinning busy indicator; it turns while it is seen.

#include "platform/gui/Control.h"

class ProgressWheel : public Control {
public:
    ProgressWheel(Window& window, std::string name);
};

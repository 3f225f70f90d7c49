#pragma once
// A progress bar: Value out of Maximum. A value past Maximum shows a full
// bar; Maximum 0 shows an indeterminate one.

#include "platform/gui/Control.h"

class QProgressBar;

class ProgressBar : public Control {
public:
    ProgressBar(Window& window, std::string name);

    int Maximum() const { return maximum_; }
    void SetMaximum(int maximum);
    int Value() const { return value_; }
    void SetValue(int value);

private:
    void Apply();

    QProgressBar* bar_;
    int maximum_ = 100;
    int value_ = 0;
};

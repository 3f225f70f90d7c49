#pragma once
// A push button. OnAction is raised when it is pressed; the default button
// is also pressed by the Return key.
//
// The second click of a double click is not taken when the first one
// changed the caption: it was meant for the button the user saw ("コピー"),
// not for what it has become ("中止").

#include <functional>

#include "platform/gui/Control.h"
#include "platform/text/String.h"

class ButtonWidget;

class PushButton : public Control {
public:
    PushButton(Window& window, std::string name);

    const String& Caption() const { return caption_; }
    void SetCaption(const String& caption);

    bool Default() const { return default_; }
    void SetDefault(bool isDefault);

    // Presses the button as a click does (nothing when hidden or disabled).
    void Push();

    std::function<void()> OnAction;

private:
    ButtonWidget* button_;
    String caption_;
    bool default_ = false;
};

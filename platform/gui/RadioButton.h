#pragma once
// A radio button. Buttons with the same container (the window, one page of
// a page panel, or one group box) exclude each other: selecting one clears
// the others of that container only. All of them may be clear, and a button
// can be cleared from code.
//
// OnAction is raised whenever Value changes, by a click or by code. When a
// selection clears another button, that button's OnAction is raised first.
//
// The arrow keys move the focus to the previous or next button of the same
// container, and the selection with it when the button left was selected,
// as in any radio group.

#include <functional>

#include "platform/gui/Control.h"
#include "platform/text/String.h"

class QRadioButton;

class RadioButton : public Control {
public:
    RadioButton(Window& window, std::string name);

    const String& Caption() const { return caption_; }
    void SetCaption(const String& caption);

    bool Value() const { return value_; }
    void SetValue(bool value);

    bool Bold() const { return bold_; }
    void SetBold(bool bold);

    std::function<void()> OnAction;

private:
    void MoveFocus(int step);
    bool SharesContainerWith(const RadioButton& other) const;
    void Store(bool value);

    QRadioButton* button_;
    String caption_;
    bool value_ = false;
    bool bold_ = false;
};

#pragma once
// The framework's alert: a message, an explanation, an icon and up to three
// buttons. ShowModal returns the button pressed, or nullptr when the dialog
// was closed without one (Escape or the close box with no cancel button
// shown; with a cancel button shown, Escape presses it).

#include <utility>

#include "platform/text/String.h"

class Window;

class MessageDialogButton {
public:
    MessageDialogButton(String caption, bool visible)
        : caption_(std::move(caption)), visible_(visible) {}

    const String& Caption() const { return caption_; }
    void SetCaption(const String& caption) { caption_ = caption; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

private:
    String caption_;
    bool visible_;
};

class MessageDialog {
public:
    static constexpr int kNoteIcon = 0;
    static constexpr int kCautionIcon = 1;
    static constexpr int kStopIcon = 2;
    static constexpr int kQuestionIcon = 3;

    MessageDialog();

    const String& Message() const { return message_; }
    void SetMessage(const String& message) { message_ = message; }
    const String& Explanation() const { return explanation_; }
    void SetExplanation(const String& explanation) { explanation_ = explanation; }
    int Icon() const { return icon_; }
    void SetIcon(int icon) { icon_ = icon; }

    MessageDialogButton& ActionButton() { return action_; }
    MessageDialogButton& CancelButton() { return cancel_; }
    MessageDialogButton& AlternateButton() { return alternate_; }

    MessageDialogButton* ShowModal();
    MessageDialogButton* ShowModalWithin(Window& parent);

private:
    MessageDialogButton* Show(Window* parent);

    String message_;
    String explanation_;
    int icon_ = kNoteIcon;
    MessageDialogButton action_{"OK", true};
    MessageDialogButton cancel_{"Cancel", false};
    MessageDialogButton alternate_{"Don't Save", false};
};

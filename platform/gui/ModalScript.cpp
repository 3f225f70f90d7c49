#include "platform/gui/ModalScript.h"

#include "platform/gui/Window.h"

#include <deque>
#include <utility>

namespace {

struct ScriptState {
    bool scripting = false;
    std::deque<std::function<void(Modal&)>> answers;
    std::function<void(const std::string&)> failureHook;
};

ScriptState& State() {
    static ScriptState state;
    return state;
}

const char* KindName(ModalKind kind) {
    switch (kind) {
    case ModalKind::MessageDialog:
        return "message dialog";
    case ModalKind::MsgBox:
        return "message box";
    case ModalKind::SelectFolder:
        return "folder chooser";
    case ModalKind::OpenFile:
        return "file chooser";
    case ModalKind::Window:
        return "modal window";
    }
    return "modal";
}

// Ends a modal that got no answer the way a user's cancel would.
void Cancel(Modal& modal) {
    if (modal.kind == ModalKind::Window)
        modal.window->Hide();
    else if (modal.kind == ModalKind::SelectFolder || modal.kind == ModalKind::OpenFile)
        modal.CancelChooser();
    else
        modal.CloseWithoutButton();
}

bool Answered(const Modal& modal) {
    if (modal.kind == ModalKind::Window)
        return !modal.window->Visible();
    return modal.GivenAnswer() != Modal::Answer::None;
}

} // namespace

void Modal::PressActionButton() {
    Press(actionButton, Answer::ActionButton);
}

void Modal::PressCancelButton() {
    Press(cancelButton, Answer::CancelButton);
}

void Modal::PressAlternateButton() {
    Press(alternateButton, Answer::AlternateButton);
}

void Modal::CloseWithoutButton() {
    answer_ = Answer::Closed;
}

void Modal::Choose(const FolderItem& item) {
    chosen_ = item;
    answer_ = Answer::Chosen;
}

void Modal::CancelChooser() {
    chosen_ = FolderItem();
    answer_ = Answer::Closed;
}

void Modal::Press(const ModalButton& button, Answer answer) {
    if (!button.visible) {
        ModalScript::Fail("pressed the hidden button \"" + button.caption + "\" of " + Describe());
        return;
    }
    answer_ = answer;
}

std::string Modal::Describe() const {
    std::string description = KindName(kind);
    if (kind == ModalKind::Window && window)
        description += " \"" + window->Title().ToUTF8() + "\"";
    if (!message.empty())
        description += " \"" + message + "\"";
    if (!explanation.empty())
        description += " (" + explanation + ")";
    if (!title.empty())
        description += " titled \"" + title + "\"";
    return description;
}

void ModalScript::SetScripting(bool on) {
    State().scripting = on;
}

bool ModalScript::Scripting() {
    return State().scripting;
}

void ModalScript::Push(std::function<void(Modal&)> answer) {
    State().answers.push_back(std::move(answer));
}

std::size_t ModalScript::Pending() {
    return State().answers.size();
}

void ModalScript::Clear() {
    State().answers.clear();
}

void ModalScript::SetFailureHook(std::function<void(const std::string&)> hook) {
    State().failureHook = std::move(hook);
}

void ModalScript::Fail(const std::string& what) {
    if (const auto hook = State().failureHook)
        hook(what);
}

bool ModalScript::Answer(Modal& modal) {
    ScriptState& state = State();
    if (!state.scripting)
        return false;
    if (state.answers.empty()) {
        Fail("no scripted answer for the " + modal.Describe());
        Cancel(modal);
        return true;
    }
    const auto answer = std::move(state.answers.front());
    state.answers.pop_front();
    answer(modal);
    if (!Answered(modal)) {
        Fail("the scripted answer left the " + modal.Describe() + " unanswered");
        Cancel(modal);
    }
    return true;
}

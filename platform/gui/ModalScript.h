#pragma once
// The one point through which every modal goes: message dialogs, message
// boxes, folder and file choosers, and windows shown with ShowModal.
//
// Normally a modal is shown to the user. With scripting switched on (tests)
// it is not shown: it takes the next answer from a queue instead. The answer
// reads what the modal shows and acts: presses a button, chooses an item,
// or works the window and hides it. An answer is taken off the queue before
// it runs, so a modal that it opens takes the next one. A modal that finds
// the queue empty, or an answer that leaves it unanswered, calls the failure
// hook and the modal is cancelled: a test fails instead of hanging.

#include <cstddef>
#include <functional>
#include <string>

#include "platform/files/FolderItem.h"

class Window;

enum class ModalKind { MessageDialog, MsgBox, SelectFolder, OpenFile, Window };

struct ModalButton {
    std::string caption;
    bool visible = false;
};

class Modal {
public:
    enum class Answer { None, ActionButton, CancelButton, AlternateButton, Closed, Chosen };

    explicit Modal(ModalKind kind) : kind(kind) {}

    ModalKind kind;
    // Dialogs and message boxes (texts as UTF-8).
    std::string message;
    std::string explanation;
    int icon = 0;
    ModalButton actionButton;
    ModalButton cancelButton;
    ModalButton alternateButton;
    // Folder and file choosers.
    std::string title;
    std::string filter;
    FolderItem initialDirectory;
    // A window shown with ShowModal.
    Window* window = nullptr;

    // The script's answers. Pressing a hidden button is a failure.
    void PressActionButton();
    void PressCancelButton();
    void PressAlternateButton();
    void CloseWithoutButton(); // the close box or Escape
    void Choose(const FolderItem& item);
    void CancelChooser();

    Answer GivenAnswer() const { return answer_; }
    const FolderItem& ChosenItem() const { return chosen_; }
    // What the failure hook reports about this modal.
    std::string Describe() const;

private:
    void Press(const ModalButton& button, Answer answer);

    Answer answer_ = Answer::None;
    FolderItem chosen_;
};

class ModalScript {
public:
    static void SetScripting(bool on);
    static bool Scripting();

    static void Push(std::function<void(Modal&)> answer);
    static std::size_t Pending();
    static void Clear();

    // Told what went wrong: a modal without answer, a hidden button pressed.
    static void SetFailureHook(std::function<void(const std::string&)> hook);
    static void Fail(const std::string& what);

    // The layer's side. False when scripting is off: show the modal to the user.
    // Otherwise the modal has been answered, or cancelled after a failure.
    static bool Answer(Modal& modal);
};

#include "platform/gui/MessageDialog.h"

#include "platform/gui/ModalScript.h"
#include "platform/gui/QtText.h"
#include "platform/gui/Window.h"
#include "platform/threads/Cooperative.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

ModalButton Describe(const MessageDialogButton& button) {
    return ModalButton{button.Caption().ToUTF8(), button.Visible()};
}

QMessageBox::Icon QtIcon(int icon) {
    switch (icon) {
    case MessageDialog::kCautionIcon:
        return QMessageBox::Warning;
    case MessageDialog::kStopIcon:
        return QMessageBox::Critical;
    case MessageDialog::kQuestionIcon:
        return QMessageBox::Question;
    default:
        return QMessageBox::Information;
    }
}

} // namespace

MessageDialog::MessageDialog() = default;

MessageDialogButton* MessageDialog::ShowModal() {
    return Show(nullptr);
}

MessageDialogButton* MessageDialog::ShowModalWithin(Window& parent) {
    return Show(&parent);
}

MessageDialogButton* MessageDialog::Show(Window* parent) {
    Modal modal(ModalKind::MessageDialog);
    modal.message = message_.ToUTF8();
    modal.explanation = explanation_.ToUTF8();
    modal.icon = icon_;
    modal.actionButton = Describe(action_);
    modal.cancelButton = Describe(cancel_);
    modal.alternateButton = Describe(alternate_);
    if (ModalScript::Answer(modal)) {
        switch (modal.GivenAnswer()) {
        case Modal::Answer::ActionButton:
            return &action_;
        case Modal::Answer::CancelButton:
            return &cancel_;
        case Modal::Answer::AlternateButton:
            return &alternate_;
        default:
            return nullptr;
        }
    }

    QMessageBox box(QtIcon(icon_), QString(), ToQString(message_), QMessageBox::NoButton,
                    parent ? parent->FrameWidget() : nullptr);
    box.setInformativeText(ToQString(explanation_));
    // Only the shown buttons are added: with one button, Qt lets Escape press it.
    const auto add = [&box](const MessageDialogButton& button, QMessageBox::ButtonRole role) {
        return button.Visible() ? box.addButton(ToQString(button.Caption()), role) : nullptr;
    };
    QPushButton* action = add(action_, QMessageBox::AcceptRole);
    QPushButton* cancel = add(cancel_, QMessageBox::RejectRole);
    QPushButton* alternate = add(alternate_, QMessageBox::DestructiveRole);
    if (action)
        box.setDefaultButton(action);
    if (cancel)
        box.setEscapeButton(cancel);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box.show();
    coop::WaitUntil([&box] { return !box.isVisible(); });

    QAbstractButton* pressed = box.clickedButton();
    if (!pressed)
        return nullptr;
    if (pressed == action)
        return &action_;
    if (pressed == cancel)
        return &cancel_;
    if (pressed == alternate)
        return &alternate_;
    return nullptr;
}

#include "platform/gui/MsgBox.h"

#include "platform/gui/ModalScript.h"
#include "platform/gui/QtText.h"
#include "platform/threads/Cooperative.h"

#include <QMessageBox>

void MsgBox(const String& text) {
    Modal modal(ModalKind::MsgBox);
    modal.message = text.ToUTF8();
    modal.actionButton = ModalButton{"OK", true};
    if (ModalScript::Answer(modal))
        return;

    QMessageBox box(QMessageBox::NoIcon, QString(), ToQString(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    coop::WaitUntil([&box] { return !box.isVisible(); });
}

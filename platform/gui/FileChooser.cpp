#include "platform/gui/FileChooser.h"

#include "platform/gui/QtText.h"
#include "platform/threads/Cooperative.h"

#include <QDir>
#include <QFileDialog>

FolderItem ChooseItem(ModalKind kind, const String& title, const FolderItem& initialDirectory,
                      const String& filter) {
    Modal modal(kind);
    modal.title = title.ToUTF8();
    modal.filter = filter.ToUTF8();
    modal.initialDirectory = initialDirectory;
    if (ModalScript::Answer(modal))
        return modal.GivenAnswer() == Modal::Answer::Chosen ? modal.ChosenItem() : FolderItem();

    QFileDialog dialog(nullptr, ToQString(title));
    // Without a folder of the caller's, the chooser opens in the user's own
    // folder, not in whatever folder the program was started from.
    dialog.setDirectory(initialDirectory.IsNil()
                            ? QDir::homePath()
                            : QString::fromStdString(initialDirectory.PosixPath()));
    if (kind == ModalKind::SelectFolder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    coop::WaitUntil([&dialog] { return !dialog.isVisible(); });

    const QStringList chosen = dialog.selectedFiles();
    if (dialog.result() != QDialog::Accepted || chosen.isEmpty())
        return FolderItem();
    const QByteArray path = QFile::encodeName(chosen.front());
    return FolderItem::AtPosixPath(
        std::string(path.constData(), static_cast<std::size_t>(path.size())));
}

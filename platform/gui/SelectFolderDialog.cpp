#include "platform/gui/SelectFolderDialog.h"

#include "platform/gui/FileChooser.h"

FolderItem SelectFolderDialog::ShowModal() {
    return ChooseItem(ModalKind::SelectFolder, title_, initialDirectory_, String());
}

FolderItem SelectFolder() {
    return SelectFolderDialog().ShowModal();
}

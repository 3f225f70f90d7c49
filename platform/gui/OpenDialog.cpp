#include "platform/gui/OpenDialog.h"

#include "platform/gui/FileChooser.h"

FolderItem OpenDialog::ShowModal() {
    return ChooseItem(ModalKind::OpenFile, title_, initialDirectory_, filter_);
}

FolderItem GetOpenFolderItem(const String& filter) {
    OpenDialog dialog;
    dialog.SetFilter(filter);
    return dialog.ShowModal();
}

#pragma once
// The folder and file choosers' common run: through the scripted modal point
// in tests, else a Qt file dialog, modal while the caller waits.

#include "platform/files/FolderItem.h"
#include "platform/gui/ModalScript.h"
#include "platform/text/String.h"

// kind is ModalKind::SelectFolder or ModalKind::OpenFile. Nil when cancelled.
FolderItem ChooseItem(ModalKind kind, const String& title, const FolderItem& initialDirectory,
                      const String& filter);

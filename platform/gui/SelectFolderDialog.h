#pragma once
// The folder chooser. ShowModal returns the chosen folder, or Nil when the
// user cancelled.

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

class SelectFolderDialog {
public:
    const String& Title() const { return title_; }
    void SetTitle(const String& title) { title_ = title; }
    const FolderItem& InitialDirectory() const { return initialDirectory_; }
    void SetInitialDirectory(const FolderItem& folder) { initialDirectory_ = folder; }

    FolderItem ShowModal();

private:
    String title_;
    FolderItem initialDirectory_;
};

// A folder chooser with the default settings.
FolderItem SelectFolder();

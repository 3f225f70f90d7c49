#pragma once
// The file chooser for opening. ShowModal returns the chosen file, or Nil
// when the user cancelled. Filter names the accepted file types; every file
// can be chosen, as the framework's file types are not kept on Linux disks.

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

class OpenDialog {
public:
    const String& Title() const { return title_; }
    void SetTitle(const String& title) { title_ = title; }
    const FolderItem& InitialDirectory() const { return initialDirectory_; }
    void SetInitialDirectory(const FolderItem& folder) { initialDirectory_ = folder; }
    const String& Filter() const { return filter_; }
    void SetFilter(const String& filter) { filter_ = filter; }

    FolderItem ShowModal();

private:
    String title_;
    FolderItem initialDirectory_;
    String filter_;
};

// A file chooser for the given file types.
FolderItem GetOpenFolderItem(const String& filter);

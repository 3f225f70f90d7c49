#include "transfer/MadeEntries.h"

FolderItem MadeEntries::Find(const FolderItem& folder, const String& name) const {
    const FolderItem entry = folder.Child(name);
    if (entry == Nil || !entry.Exists() || !paths_.contains(entry.AbsolutePath().Bytes()))
        return Nil;
    return entry;
}

void MadeEntries::Add(const FolderItem& entry) {
    if (entry != Nil)
        paths_.insert(entry.AbsolutePath().Bytes());
}

#include "transfer/ItemPlacement.h"

#include "platform/work/FileWork.h"

bool PlaceItem(const FolderItem& item, const FolderItem& folder, bool replace, String& reason,
               const std::function<bool()>& stopRequested) {
    // An entry that an interrupted run had set aside is back before its name is looked up.
    work::ClearStaleScratch(folder);
    const FolderItem existing = folder.Child(item.Name());
    if (existing != Nil && existing.Exists()) {
        if (!replace)
            return true;
        return work::ReplaceWithCopy(existing, item, reason, stopRequested);
    }
    return work::CopyFileTo(item, folder, reason, stopRequested);
}

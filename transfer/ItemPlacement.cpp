#include "transfer/ItemPlacement.h"

#include "platform/work/FileWork.h"

bool PlaceItem(const FolderItem& item, const FolderItem& folder, bool replace, String& reason) {
    const FolderItem existing = folder.Child(item.Name());
    if (existing != Nil && existing.Exists()) {
        if (!replace)
            return true;
        return work::ReplaceWithCopy(existing, item, reason);
    }
    return work::CopyFileTo(item, folder, reason);
}

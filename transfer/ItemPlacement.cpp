#include "transfer/ItemPlacement.h"

#include "platform/work/FileWork.h"
#include "transfer/TransferFailures.h"

bool PlaceItem(const FolderItem& item, const FolderItem& folder, SameNamedEntry sameNamed,
               MadeEntries& made, String& reason, const std::function<bool()>& stopRequested) {
    // An entry that an interrupted run had set aside is back before its name is looked up.
    work::ClearStaleScratch(folder);
    if (const FolderItem first = made.Find(folder, item.Name()); first != Nil) {
        reason = SameRunReason(first);
        return false;
    }
    const FolderItem existing = folder.Child(item.Name());
    bool placed = false;
    if (existing != Nil && existing.Exists() && sameNamed != SameNamedEntry::Refused) {
        if (sameNamed == SameNamedEntry::Kept)
            return true;
        placed = work::ReplaceWithCopy(existing, item, reason, stopRequested);
    } else {
        placed = work::CopyFileTo(item, folder, reason, stopRequested);
    }
    if (placed)
        made.Add(folder.Child(item.Name()));
    return placed;
}

#include "transfer/ItemPlacement.h"

#include "platform/work/FileWork.h"
#include "transfer/TransferFailures.h"

bool PlaceItem(const FolderItem& item, const FolderItem& folder, const Placement& placement,
               MadeEntries& made, String& reason) {
    // An entry that an interrupted run had set aside is back before its name is looked up.
    work::ClearStaleScratch(folder);
    if (const FolderItem first = made.Find(folder, item.Name()); first != Nil) {
        reason = SameRunReason(first);
        return false;
    }
    const FolderItem existing = folder.Child(item.Name());
    bool placed = false;
    if (existing != Nil && existing.Exists() && placement.sameNamed != SameNamedEntry::Refused) {
        if (placement.sameNamed == SameNamedEntry::Kept)
            return true;
        placed = work::ReplaceWithCopy(existing, item, placement.linkedItem, reason,
                                       placement.stopRequested);
    } else {
        placed =
            work::CopyFileTo(item, folder, placement.linkedItem, reason, placement.stopRequested);
    }
    if (placed)
        made.Add(folder.Child(item.Name()));
    return placed;
}

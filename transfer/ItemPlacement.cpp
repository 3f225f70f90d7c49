#include "transfer/ItemPlacement.h"

#include "platform/work/FileWork.h"
#include "transfer/TransferFailures.h"

Outcome PlaceItem(const FolderItem& item, const FolderItem& folder, const Placement& placement,
                  MadeEntries& made) {
    // An entry that an interrupted run had set aside is back before its name is looked up.
    work::ClearStaleScratch(folder);
    if (const FolderItem first = made.Find(folder, item.Name()); first != Nil)
        return Outcome::Failure(SameRunReason(first));
    const FolderItem existing = folder.Child(item.Name());
    const bool sameNamed =
        existing != Nil && existing.Exists() && placement.sameNamed != SameNamedEntry::Refused;
    if (sameNamed && placement.sameNamed == SameNamedEntry::Kept)
        return Outcome::Success();
    const Outcome placed =
        sameNamed
            ? work::ReplaceWithCopy(existing, item, placement.linkedItem, placement.stopRequested)
            : work::CopyFileTo(item, folder, placement.linkedItem, placement.stopRequested);
    if (placed.Succeeded())
        made.Add(folder.Child(item.Name()));
    return placed;
}

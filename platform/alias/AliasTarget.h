#pragma once
// Finding the item an alias record names, on the volumes of this machine:
// the volume by name (the Unicode name before the fixed one; of several disks
// of that name, the one created when the record says, else the old Mac's
// disk among those alike), then the item by the POSIX path under that
// volume's root, by the colon path without its volume, and last by parent
// folder name and target name. Names match the way a Mac disk matches them;
// an item of the other kind (file or folder) does not count.

#include "platform/alias/AliasRecord.h"
#include "platform/alias/MacTypes.h"
#include "platform/files/FolderItem.h"

namespace alias {

struct AliasTarget {
    FolderItem volume; // the volume's root folder
    FolderItem item;
};

// noErr and target filled, nsvErr when no volume has the record's name or
// nothing tells its disks apart, fnfErr when the volume holds no such item.
OSErr FindAliasTarget(const AliasRecord& record, AliasTarget& target);

} // namespace alias

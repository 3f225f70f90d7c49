#pragma once
// The entries that one transfer run made in its destination folders. The
// layer takes a name for an entry's the way a Mac disk does, letter case and
// Unicode normalisation aside, so two items whose names differ only so would
// land on one entry: the later one finds the first here and is a failure of
// the run, and the first stays as it arrived.

#include <set>
#include <string>

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

class MadeEntries {
public:
    // The entry that an item of this name meets in the folder, when this run
    // made it; Nil otherwise.
    FolderItem Find(const FolderItem& folder, const String& name) const;
    void Add(const FolderItem& entry);

private:
    std::set<std::string> paths_;
};

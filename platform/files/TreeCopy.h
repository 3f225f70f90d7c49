#pragma once
// Copying an entry with its whole tree into a folder, as one step for the
// user: the copy is made under a hidden temporary name and given its own
// name only once it is complete, so a failure leaves nothing behind and an
// entry of that name appearing meanwhile is never replaced.

#include <sys/stat.h>

#include <string>

namespace files {

// Copies the entry at sourcePath, with its AppleDouble companion, into the
// folder. Fails with a reason when the folder is the entry itself or lies
// inside it, or already holds an entry of that name.
bool CopyIntoFolder(const std::string& sourcePath, const std::string& destinationFolder,
                    std::string& error);

// Walks up from the open folder through ".." to the root; true when the entry
// is met on the way. Works on the entries themselves, so links and different
// spellings of a path can't hide it.
bool IsSameOrInside(int folderFd, const struct stat& entry);

} // namespace files

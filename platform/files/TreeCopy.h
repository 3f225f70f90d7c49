#pragma once
// Copying an entry with its whole tree into a folder, as one step for the
// user: the copy is made under a hidden temporary name and given its own
// name only once it is complete, so a failure leaves nothing behind and an
// entry of that name appearing meanwhile is never replaced.

#include "platform/files/Descriptor.h"
#include "platform/files/SourceLink.h"

#include <sys/stat.h>

#include <optional>
#include <string>

namespace files {

class StopRequest;

// Copies the entry at sourcePath, with its AppleDouble companion, into the
// folder under the source's own name. Fails with a reason when the folder is
// the entry itself or lies inside it, or already holds an entry of that name.
// Entries left out of the tree (device nodes, pipes, sockets) are named in
// leftOut; the copy is still made. A due stop request ends the copy: false
// with an empty error, and nothing of the copy left.
bool CopyIntoFolder(const std::string& sourcePath, const std::string& destinationFolder,
                    SourceLink sourceLink, std::string& error, std::string& leftOut,
                    const StopRequest* stop = nullptr);

// As above, the link kept, and failing with leftOut's reason when something was left out.
bool CopyIntoFolder(const std::string& sourcePath, const std::string& destinationFolder,
                    std::string& error);

// The entry that a copy reads, with its open parent folder.
struct CopySource {
    std::string path;
    struct stat info;
    Descriptor parent;
};

// The item at itemPath as a copy reads it: itself, or the end of its links
// where links are followed. nullopt, with the reason, when it is missing, is
// of a kind that is never copied, or its folder can't be opened.
std::optional<CopySource> OpenCopySource(const std::string& itemPath, SourceLink sourceLink,
                                         std::string& error);

// The entry that the item at path stands for: itself, or the end of its
// links when it is a symbolic link. False, with the reason, when it or the
// end of its links is missing.
bool ResolveItem(const std::string& path, std::string& resolved, std::string& error);

// The same, every link on the way read as the disk whose root folder is at
// root reads it: an absolute target lies under root. False, with the reason,
// also when a link leads out of root.
bool ResolveItemOnDisk(const std::string& path, const std::string& root, std::string& resolved,
                       std::string& error);

// Walks up from the open folder through ".." to the root; true when the entry
// is met on the way. Works on the entries themselves, so links and different
// spellings of a path can't hide it.
bool IsSameOrInside(int folderFd, const struct stat& entry);

} // namespace files

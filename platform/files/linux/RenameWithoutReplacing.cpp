#include "platform/files/RenameWithoutReplacing.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>

namespace files {

int RenameWithoutReplacing(int folderFd, const std::string& from, const std::string& to) {
    if (renameat2(folderFd, from.c_str(), folderFd, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the flag: check, then rename.
    struct stat existing {};
    if (fstatat(folderFd, to.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return renameat(folderFd, from.c_str(), folderFd, to.c_str()) == 0 ? 0 : errno;
}

} // namespace files

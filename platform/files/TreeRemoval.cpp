#include "platform/files/TreeRemoval.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace files {

namespace {

// A folder whose only entries are companions left behind by their files is
// empty to a Mac user; those companions go so that the folder can.
bool RemoveLeftoverCompanions(const std::string& path) {
    const int folderFd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0)
        return false;
    int listError = 0;
    const auto names = ReadEntryNames(folderFd, listError);
    bool onlyCompanions = true;
    for (const auto& name : names)
        onlyCompanions = onlyCompanions && IsAppleDoubleName(name);
    if (onlyCompanions)
        for (const auto& name : names)
            unlinkat(folderFd, name.c_str(), 0);
    close(folderFd);
    return onlyCompanions;
}

} // namespace

bool RemoveEntry(const std::string& path, std::string& error) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        error = SystemError(path, errno);
        return false;
    }
    int failure = 0;
    if (S_ISDIR(info.st_mode)) {
        failure = rmdir(path.c_str()) == 0 ? 0 : errno;
        if ((failure == ENOTEMPTY || failure == EEXIST) && RemoveLeftoverCompanions(path))
            failure = rmdir(path.c_str()) == 0 ? 0 : errno;
    } else {
        failure = unlink(path.c_str()) == 0 ? 0 : errno;
    }
    if (failure != 0) {
        error = SystemError(path, failure);
        return false;
    }
    const std::string parent(ParentPath(path));
    unlink(JoinPath(parent, AppleDoubleCompanionName(BaseName(path))).c_str());
    FolderListing::Forget(parent);
    return true;
}

void RemoveTree(int folderFd, const std::string& name) {
    if (unlinkat(folderFd, name.c_str(), 0) == 0 || (errno != EISDIR && errno != EPERM))
        return;
    const int childFd =
        openat(folderFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (childFd < 0)
        return;
    int listError = 0;
    for (const auto& entry : ReadEntryNames(childFd, listError))
        RemoveTree(childFd, entry);
    close(childFd);
    unlinkat(folderFd, name.c_str(), AT_REMOVEDIR);
}

} // namespace files

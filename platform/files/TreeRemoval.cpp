#include "platform/files/TreeRemoval.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/Descriptor.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/FolderListing.h"
#include "platform/files/FolderRights.h"
#include "platform/files/PosixPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace files {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// A folder whose only entries are companions left behind by their files is
// empty to a Mac user; those companions go so that the folder can.
bool RemoveLeftoverCompanions(const std::string& path) {
    const int folderFd = open(path.c_str(), kFolderFlags);
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

bool RemoveTree(int folderFd, const std::string& folderPath, const std::string& name,
                std::string& error, const std::function<void()>& betweenEntries) {
    const std::string path = JoinPath(folderPath, name);
    if (unlinkat(folderFd, name.c_str(), 0) == 0 || errno == ENOENT)
        return true;
    if (errno != EISDIR && errno != EPERM) {
        error = SystemError(path, errno);
        return false;
    }
    // A read-only folder that a copy brought along is still ours to empty.
    Descriptor child(openat(folderFd, name.c_str(), kFolderFlags));
    if (!child.IsOpen() && errno == EACCES && MakeFolderWritable(folderFd, name))
        child.Reset(openat(folderFd, name.c_str(), kFolderFlags));
    if (!child.IsOpen()) {
        error = SystemError(path, errno);
        return false;
    }
    fchmod(child.get(), S_IRWXU);
    bool removed = true;
    int listError = 0;
    for (const auto& entry : ReadEntryNames(child.get(), listError)) {
        std::string entryError;
        if (!RemoveTree(child.get(), path, entry, entryError, betweenEntries) && removed) {
            removed = false;
            error = std::move(entryError);
        }
        if (betweenEntries)
            betweenEntries();
    }
    if (!removed)
        return false;
    if (unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) != 0) {
        error = SystemError(path, listError != 0 ? listError : errno);
        return false;
    }
    return true;
}

} // namespace files

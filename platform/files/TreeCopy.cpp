#include "platform/files/TreeCopy.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/Descriptor.h"
#include "platform/files/EntryCopier.h"
#include "platform/files/ExtendedAttributes.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/RenameWithoutReplacing.h"
#include "platform/files/Scratch.h"
#include "platform/files/TreeRemoval.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

namespace files {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::string TemporaryName() {
    static std::atomic<unsigned> counter{0};
    return CopyScratchName(getpid(), ++counter);
}

bool SameEntry(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

bool IsSameOrInside(int folderFd, const struct stat& entry) {
    Descriptor walker(dup(folderFd));
    struct stat current {};
    if (!walker.IsOpen() || fstat(walker.get(), &current) != 0)
        return false;
    for (;;) {
        if (SameEntry(current, entry))
            return true;
        walker.Reset(openat(walker.get(), "..", kFolderFlags));
        struct stat above {};
        if (!walker.IsOpen() || fstat(walker.get(), &above) != 0 || SameEntry(above, current))
            return false;
        current = above;
    }
}

bool ResolveItem(const std::string& path, std::string& resolved, std::string& error) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        error = SystemError(path, errno);
        return false;
    }
    if (!S_ISLNK(info.st_mode)) {
        resolved = path;
        return true;
    }
    char* target = realpath(path.c_str(), nullptr);
    if (target == nullptr) {
        error = errno == ENOENT ? PathError(path, "リンク先が見つかりません。")
                                : SystemError(path, errno);
        return false;
    }
    resolved = target;
    free(target);
    return true;
}

bool CopyIntoFolder(const std::string& sourcePath, const std::string& destinationFolder,
                    std::string& error) {
    std::string leftOut;
    if (!CopyIntoFolder(sourcePath, destinationFolder, SourceLink::Kept, error, leftOut))
        return false;
    error = leftOut;
    return leftOut.empty();
}

bool CopyIntoFolder(const std::string& itemPath, const std::string& destinationFolder,
                    SourceLink sourceLink, std::string& error, std::string& leftOut,
                    const StopRequest* stop) {
    std::string sourcePath = itemPath;
    if (sourceLink == SourceLink::Followed && !ResolveItem(itemPath, sourcePath, error))
        return false;
    struct stat source {};
    if (lstat(sourcePath.c_str(), &source) != 0) {
        error = SystemError(sourcePath, errno);
        return false;
    }
    if (!EntryCopier::Copies(source.st_mode)) {
        error = EntryCopier::LeftOutReason(sourcePath);
        return false;
    }
    Descriptor destination(open(destinationFolder.c_str(), kFolderFlags));
    if (!destination.IsOpen()) {
        error = SystemError(destinationFolder, errno);
        return false;
    }
    if (S_ISDIR(source.st_mode) && IsSameOrInside(destination.get(), source)) {
        error = PathError(destinationFolder, "フォルダをそれ自身の中にはコピーできません。");
        return false;
    }
    // The copy bears the item's own name, also where the item is a link.
    const std::string name(BaseName(itemPath));
    const std::string sourceName(BaseName(sourcePath));
    const std::string finalPath = JoinPath(destinationFolder, name);
    struct stat existing {};
    if (fstatat(destination.get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        error = SystemError(finalPath, EEXIST);
        return false;
    }
    const std::string sourceParentPath(ParentPath(sourcePath));
    Descriptor sourceParent(open(sourceParentPath.c_str(), kFolderFlags));
    if (!sourceParent.IsOpen()) {
        error = SystemError(sourceParentPath, errno);
        return false;
    }

    const std::string temporary = TemporaryName();
    const std::string companion = AppleDoubleCompanionName(name);
    const std::string sourceCompanion = AppleDoubleCompanionName(sourceName);
    const std::string temporaryCompanion = temporary + ".companion";
    const std::string finalCompanionPath = JoinPath(destinationFolder, companion);
    const auto undo = [&](std::string reason) {
        std::string leftBehind; // the failure itself is what the user reads
        RemoveTree(destination.get(), destinationFolder, temporary, leftBehind);
        unlinkat(destination.get(), temporaryCompanion.c_str(), 0);
        error = std::move(reason);
        return false;
    };

    EntryCopier copier(FinderInfoAttributeFor(destinationFolder), stop);
    if (!copier.Copy(sourceParent.get(), sourceName, destination.get(), temporary,
                     temporaryCompanion, sourcePath, finalPath))
        return undo(copier.Error());
    struct stat companionInfo {};
    if (fstatat(sourceParent.get(), sourceCompanion.c_str(), &companionInfo, AT_SYMLINK_NOFOLLOW) ==
            0 &&
        !copier.Copy(sourceParent.get(), sourceCompanion, destination.get(), temporaryCompanion, "",
                     JoinPath(sourceParentPath, sourceCompanion), finalCompanionPath))
        return undo(copier.Error());

    if (const int failure = RenameWithoutReplacing(destination.get(), temporary, name))
        return undo(SystemError(finalPath, failure));
    FolderListing::Forget(destinationFolder);
    leftOut = copier.LeftOut();
    // A companion left there without its file describes what is copied now.
    if (renameat(destination.get(), temporaryCompanion.c_str(), destination.get(),
                 companion.c_str()) == 0)
        return true;
    const int failure = errno;
    unlinkat(destination.get(), temporaryCompanion.c_str(), 0);
    if (IsNoCompanionError(failure))
        return true;
    error = SystemError(finalCompanionPath, failure);
    return false;
}

} // namespace files

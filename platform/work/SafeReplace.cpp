#include "platform/work/SafeReplace.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/Descriptor.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/Scratch.h"
#include "platform/files/TreeCopy.h"
#include "platform/files/TreeRemoval.h"
#include "platform/work/EntrySwap.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace work {

namespace {

using files::Descriptor;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The same entry reached by two paths, or a folder with the source somewhere inside.
bool IsOrHolds(const struct stat& target, const struct stat& source,
               const std::string& sourcePath) {
    if (target.st_dev == source.st_dev && target.st_ino == source.st_ino)
        return true;
    if (!S_ISDIR(target.st_mode))
        return false;
    const Descriptor sourceFolder(
        open(std::string(files::ParentPath(sourcePath)).c_str(), kFolderFlags));
    return sourceFolder.IsOpen() && files::IsSameOrInside(sourceFolder.get(), target);
}

// A reason that names the entry where the user will look for it, not in the scratch folder.
std::string WithoutScratch(std::string reason, const std::string& scratchPath,
                           const std::string& folderPath) {
    for (std::size_t at = reason.find(scratchPath); at != std::string::npos;
         at = reason.find(scratchPath, at + folderPath.size()))
        reason.replace(at, scratchPath.size(), folderPath);
    return reason;
}

// Puts copies/copyName in the place of folder/targetName; the old entry ends
// up in the scratch folder. Where the file system can't swap, the old entry
// steps aside first (where a run killed meanwhile leaves it to be put back,
// see Scratch.h) and comes back when the copy can't take its place.
int PutInPlace(int copies, const std::string& copyName, int scratch, int folder,
               const std::string& targetName) {
    const int swapped = SwapEntries(copies, copyName, folder, targetName);
    if (swapped != EINVAL && swapped != ENOTSUP && swapped != ENOSYS)
        return swapped;
    if (mkdirat(scratch, files::kScratchAsideFolder, 0700) != 0)
        return errno;
    const Descriptor aside(openat(scratch, files::kScratchAsideFolder, kFolderFlags));
    if (!aside.IsOpen())
        return errno;
    if (renameat(folder, targetName.c_str(), aside.get(), targetName.c_str()) != 0)
        return errno;
    if (renameat(copies, copyName.c_str(), folder, targetName.c_str()) != 0) {
        const int failure = errno;
        renameat(aside.get(), targetName.c_str(), folder, targetName.c_str());
        return failure;
    }
    return 0;
}

// The copy's AppleDouble companion goes where the old entry's was; an old
// companion without a successor goes with its entry.
int PutCompanionInPlace(int copies, const std::string& copyName, int folder,
                        const std::string& targetName) {
    const std::string copyCompanion = files::AppleDoubleCompanionName(copyName);
    const std::string targetCompanion = files::AppleDoubleCompanionName(targetName);
    if (renameat(copies, copyCompanion.c_str(), folder, targetCompanion.c_str()) == 0)
        return 0;
    if (!files::IsNoCompanionError(errno))
        return errno;
    if (unlinkat(folder, targetCompanion.c_str(), 0) == 0 || files::IsNoCompanionError(errno))
        return 0;
    return errno;
}

} // namespace

bool ReplaceWithCopyOf(const std::string& targetPath, const std::string& itemPath,
                       std::string& error, const files::StopRequest* stop) {
    std::string sourcePath;
    if (!files::ResolveItem(itemPath, sourcePath, error))
        return false;
    struct stat source {};
    struct stat target {};
    if (lstat(sourcePath.c_str(), &source) != 0) {
        error = files::SystemError(sourcePath, errno);
        return false;
    }
    if (lstat(targetPath.c_str(), &target) != 0) {
        error = files::SystemError(targetPath, errno);
        return false;
    }
    if (IsOrHolds(target, source, sourcePath)) {
        error = files::PathError(
            targetPath, "コピーする項目そのものか、それを含むフォルダなので、置き換えません。");
        return false;
    }
    const std::string folderPath(files::ParentPath(targetPath));
    const Descriptor folder(open(folderPath.c_str(), kFolderFlags));
    if (!folder.IsOpen()) {
        error = files::SystemError(folderPath, errno);
        return false;
    }

    // The hidden scratch folder lies beside the target, on its file system.
    const std::string scratchTemplate =
        files::JoinPath(folderPath, files::ReplaceScratchName(getpid(), "XXXXXX"));
    std::vector<char> scratchPath(scratchTemplate.begin(), scratchTemplate.end());
    scratchPath.push_back('\0');
    if (mkdtemp(scratchPath.data()) == nullptr) {
        error = files::SystemError(folderPath, errno);
        return false;
    }
    const std::string scratchName(files::BaseName(scratchPath.data()));
    const std::string copiesPath = files::JoinPath(scratchPath.data(), files::kScratchCopyFolder);
    const auto removeScratch = [&](std::string& reason) {
        const bool removed = files::RemoveTree(folder.get(), folderPath, scratchName, reason);
        files::FolderListing::Forget(folderPath);
        return removed;
    };
    const auto fail = [&](std::string reason) {
        std::string leftBehind; // the failure itself is what the user reads
        removeScratch(leftBehind);
        error = std::move(reason);
        return false;
    };

    const Descriptor scratch(openat(folder.get(), scratchName.c_str(), kFolderFlags));
    if (!scratch.IsOpen() || mkdirat(scratch.get(), files::kScratchCopyFolder, 0700) != 0)
        return fail(files::SystemError(scratchPath.data(), errno));
    std::string leftOut;
    if (!files::CopyIntoFolder(itemPath, copiesPath, files::SourceLink::Followed, error, leftOut,
                               stop))
        return fail(WithoutScratch(error, copiesPath, folderPath));
    const Descriptor copies(openat(scratch.get(), files::kScratchCopyFolder, kFolderFlags));
    if (!copies.IsOpen())
        return fail(files::SystemError(copiesPath, errno));
    const std::string copyName(files::BaseName(itemPath));
    const std::string targetName(files::BaseName(targetPath));
    if (const int failure =
            PutInPlace(copies.get(), copyName, scratch.get(), folder.get(), targetName))
        return fail(files::SystemError(targetPath, failure));
    // From here the old entry lies in the scratch folder and goes with it.
    const int companionFailure =
        PutCompanionInPlace(copies.get(), copyName, folder.get(), targetName);
    if (!removeScratch(error))
        return false;
    if (companionFailure != 0) {
        error = files::SystemError(
            files::JoinPath(folderPath, files::AppleDoubleCompanionName(targetName)),
            companionFailure);
        return false;
    }
    error = WithoutScratch(leftOut, copiesPath, folderPath);
    return leftOut.empty();
}

} // namespace work

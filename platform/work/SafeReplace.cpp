#include "platform/work/SafeReplace.h"

#include "platform/files/AppleDouble.h"
#include "platform/files/Descriptor.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
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

// Puts scratch/copyName in the place of folder/targetName; the old entry ends
// up in the scratch folder. Where the file system can't swap, the old entry
// steps aside first and comes back when the copy can't take its place.
int PutInPlace(int scratch, const std::string& copyName, int folder,
               const std::string& targetName) {
    const int swapped = SwapEntries(scratch, copyName, folder, targetName);
    if (swapped != EINVAL && swapped != ENOTSUP && swapped != ENOSYS)
        return swapped;
    const std::string aside = copyName + ".old";
    if (renameat(folder, targetName.c_str(), scratch, aside.c_str()) != 0)
        return errno;
    if (renameat(scratch, copyName.c_str(), folder, targetName.c_str()) != 0) {
        const int failure = errno;
        renameat(scratch, aside.c_str(), folder, targetName.c_str());
        return failure;
    }
    return 0;
}

// The copy's AppleDouble companion goes where the old entry's was; an old
// companion without a successor goes with its entry.
int PutCompanionInPlace(int scratch, const std::string& copyName, int folder,
                        const std::string& targetName) {
    const std::string copyCompanion = files::AppleDoubleCompanionName(copyName);
    const std::string targetCompanion = files::AppleDoubleCompanionName(targetName);
    if (renameat(scratch, copyCompanion.c_str(), folder, targetCompanion.c_str()) == 0)
        return 0;
    if (errno != ENOENT)
        return errno;
    if (unlinkat(folder, targetCompanion.c_str(), 0) == 0 || errno == ENOENT)
        return 0;
    return errno;
}

} // namespace

bool ReplaceWithCopyOf(const std::string& targetPath, const std::string& sourcePath,
                       std::string& error) {
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
    std::string scratchTemplate = files::JoinPath(folderPath, ".dravo-replace-XXXXXX");
    std::vector<char> scratchPath(scratchTemplate.begin(), scratchTemplate.end());
    scratchPath.push_back('\0');
    if (mkdtemp(scratchPath.data()) == nullptr) {
        error = files::SystemError(folderPath, errno);
        return false;
    }
    const std::string scratchName(files::BaseName(scratchPath.data()));
    const auto fail = [&](std::string reason) {
        files::RemoveTree(folder.get(), scratchName);
        files::FolderListing::Forget(folderPath);
        error = std::move(reason);
        return false;
    };

    if (!files::CopyIntoFolder(sourcePath, scratchPath.data(), error))
        return fail(WithoutScratch(error, scratchPath.data(), folderPath));
    const Descriptor scratch(openat(folder.get(), scratchName.c_str(), kFolderFlags));
    if (!scratch.IsOpen())
        return fail(files::SystemError(scratchPath.data(), errno));
    const std::string copyName(files::BaseName(sourcePath));
    const std::string targetName(files::BaseName(targetPath));
    if (const int failure = PutInPlace(scratch.get(), copyName, folder.get(), targetName))
        return fail(files::SystemError(targetPath, failure));
    // From here the old entry lies in the scratch folder and goes with it.
    const int companionFailure =
        PutCompanionInPlace(scratch.get(), copyName, folder.get(), targetName);
    files::RemoveTree(folder.get(), scratchName);
    files::FolderListing::Forget(folderPath);
    if (companionFailure != 0) {
        error = files::SystemError(
            files::JoinPath(folderPath, files::AppleDoubleCompanionName(targetName)),
            companionFailure);
        return false;
    }
    return true;
}

} // namespace work

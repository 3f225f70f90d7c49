#include "platform/files/ScratchEntry.h"

#include "platform/files/EntrySwap.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/RenameWithoutReplacing.h"
#include "platform/files/Scratch.h"
#include "platform/files/TreeRemoval.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace files {

namespace {

bool CannotSwap(int failure) {
    return failure == EINVAL || failure == ENOTSUP || failure == ENOSYS;
}

} // namespace

ScratchEntry::ScratchEntry(int folderFd, std::string folderPath)
    : folder_(fcntl(folderFd, F_DUPFD_CLOEXEC, 0)), folderPath_(std::move(folderPath)),
      name_(NewScratchName()) {}

ScratchEntry::~ScratchEntry() {
    if (committed_ || !folder_.IsOpen())
        return;
    std::string ignored; // what the caller reports is the failure that brought us here
    RemoveTree(folder_.get(), folderPath_, name_, ignored);
}

std::string ScratchEntry::Path() const {
    return JoinPath(folderPath_, name_);
}

bool ScratchEntry::Made() const {
    struct stat info {};
    return fstatat(folder_.get(), name_.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool ScratchEntry::Commit(const std::string& finalName, Existing existing, std::string& error) {
    if (!folder_.IsOpen())
        return Fail(finalName, EBADF, error);
    struct stat old {};
    const bool replacing =
        existing == Existing::Replaced &&
        fstatat(folder_.get(), finalName.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    bool done = false;
    if (!replacing) {
        const int failure = RenameWithoutReplacing(folder_.get(), name_, folder_.get(), finalName);
        committed_ = failure == 0;
        done = committed_ || Fail(finalName, failure, error);
    } else if (!S_ISDIR(old.st_mode) && !HoldsFolderNamed(folder_.get(), name_)) {
        // One file in place of another: a rename replaces it in one step.
        committed_ = renameat(folder_.get(), name_.c_str(), folder_.get(), finalName.c_str()) == 0;
        done = committed_ || Fail(finalName, errno, error);
    } else {
        done = CommitInPlaceOf(finalName, error);
    }
    FolderListing::Forget(folderPath_);
    return done;
}

// The two change places; the old entry, now under the scratch name, goes.
bool ScratchEntry::CommitInPlaceOf(const std::string& finalName, std::string& error) {
    const int swapped = SwapEntries(folder_.get(), name_, folder_.get(), finalName);
    if (CannotSwap(swapped))
        return CommitBySettingAside(finalName, error);
    if (swapped != 0)
        return Fail(finalName, swapped, error);
    committed_ = true;
    return RemoveTree(folder_.get(), folderPath_, name_, error);
}

// The old entry steps aside first and comes back when the new one can't take its place.
bool ScratchEntry::CommitBySettingAside(const std::string& finalName, std::string& error) {
    std::string asideName;
    if (const int failure = SetAside(folder_.get(), finalName, asideName))
        return Fail(finalName, failure, error);
    const int failure = RenameWithoutReplacing(folder_.get(), name_, folder_.get(), finalName);
    if (failure == 0) {
        committed_ = true;
        return DiscardSetAside(folder_.get(), folderPath_, asideName, error);
    }
    Fail(finalName, failure, error);
    if (PutBack(folder_.get(), asideName) != 0) {
        error += "元のアイテムは「" + SetAsidePath(folderPath_, asideName) + "」に残っています。";
        return false;
    }
    std::string ignored; // only the empty scratch folder is left to go
    RemoveTree(folder_.get(), folderPath_, asideName, ignored);
    return false;
}

bool ScratchEntry::Fail(const std::string& finalName, int failure, std::string& error) const {
    error = SystemError(JoinPath(folderPath_, finalName), failure);
    return false;
}

} // namespace files

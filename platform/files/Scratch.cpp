#include "platform/files/Scratch.h"

#include "platform/files/Descriptor.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/FolderListing.h"
#include "platform/files/PosixPath.h"
#include "platform/files/ProcessIdentity.h"
#include "platform/files/RenameWithoutReplacing.h"
#include "platform/files/TreeRemoval.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <tuple>

namespace files {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr std::string_view kPrefix = ".dravo-scratch-";
// Inside a folder that set an entry aside: the entry, and the record of its name.
constexpr const char* kAsideEntry = ".dravo-aside-entry";
constexpr const char* kAsideRecord = ".dravo-aside-name";

struct Owner {
    int processId = 0;
    std::uint64_t startTime = 0;
};

// Takes one run of decimal digits and the separator after it, if any.
template <typename Number> bool TakeNumber(std::string_view& text, Number& number, bool last) {
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (failure != std::errc() || end == text.data())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (last)
        return text.empty();
    if (!text.starts_with('-'))
        return false;
    text.remove_prefix(1);
    return true;
}

std::optional<Owner> OwnerOf(std::string_view name) {
    if (!name.starts_with(kPrefix))
        return std::nullopt;
    name.remove_prefix(kPrefix.size());
    Owner owner;
    unsigned serial = 0;
    if (!TakeNumber(name, owner.processId, false) || !TakeNumber(name, owner.startTime, false) ||
        !TakeNumber(name, serial, true))
        return std::nullopt;
    return owner;
}

// The name recorded in a folder that set an entry aside; nullopt, with the
// reason in errno, when it can't be read.
std::optional<std::string> RecordedName(int asideFd) {
    const Descriptor record(
        openat(asideFd, kAsideRecord, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!record.IsOpen() || fstat(record.get(), &info) != 0)
        return std::nullopt;
    char name[256];
    const ssize_t length = S_ISREG(info.st_mode) ? read(record.get(), name, sizeof name) : -1;
    if (length <= 0 ||
        !IsValidEntryName(std::string_view(name, static_cast<std::size_t>(length)))) {
        errno = EINVAL;
        return std::nullopt;
    }
    return std::string(name, static_cast<std::size_t>(length));
}

int WriteRecord(int asideFd, const std::string& name) {
    Descriptor record(openat(asideFd, kAsideRecord, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!record.IsOpen())
        return errno;
    if (write(record.get(), name.data(), name.size()) != static_cast<ssize_t>(name.size()))
        return errno != 0 ? errno : EIO;
    return record.Close();
}

// Whether the folder was looked at already in this process.
bool FirstVisit(const std::string& path, const struct stat& folder) {
    static std::mutex mutex;
    static std::set<std::tuple<dev_t, ino_t, std::string>> visited;
    const std::lock_guard lock(mutex);
    return visited.emplace(folder.st_dev, folder.st_ino, path).second;
}

} // namespace

std::string NewScratchName() {
    static std::atomic<unsigned> serial{0};
    return ScratchNameOf(getpid(), OwnStartTime(), ++serial);
}

std::string ScratchNameOf(int processId, std::uint64_t startTime, unsigned serial) {
    return std::string(kPrefix) + std::to_string(processId) + "-" + std::to_string(startTime) +
           "-" + std::to_string(serial);
}

int SetAside(int folderFd, const std::string& name, std::string& asideName) {
    asideName = NewScratchName();
    if (mkdirat(folderFd, asideName.c_str(), 0700) != 0)
        return errno;
    const Descriptor aside(openat(folderFd, asideName.c_str(), kFolderFlags));
    int failure = aside.IsOpen() ? WriteRecord(aside.get(), name) : errno;
    if (failure == 0 && renameat(folderFd, name.c_str(), aside.get(), kAsideEntry) != 0)
        failure = errno;
    if (failure != 0) {
        std::string ignored; // the entry was not moved: only the empty aside goes
        RemoveTree(folderFd, "", asideName, ignored);
    }
    return failure;
}

int PutBack(int folderFd, const std::string& asideName) {
    const Descriptor aside(openat(folderFd, asideName.c_str(), kFolderFlags));
    if (!aside.IsOpen())
        return errno;
    struct stat entry {};
    if (fstatat(aside.get(), kAsideEntry, &entry, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? 0 : errno; // nothing was set aside, or it is back
    const auto name = RecordedName(aside.get());
    if (!name)
        return errno == ENOENT ? 0 : errno; // no record: the new entry took the place
    return RenameWithoutReplacing(aside.get(), kAsideEntry, folderFd, *name);
}

bool DiscardSetAside(int folderFd, const std::string& folderPath, const std::string& asideName,
                     std::string& error) {
    const Descriptor aside(openat(folderFd, asideName.c_str(), kFolderFlags));
    if (aside.IsOpen())
        unlinkat(aside.get(), kAsideRecord, 0);
    return RemoveTree(folderFd, folderPath, asideName, error);
}

std::string SetAsidePath(const std::string& folderPath, const std::string& asideName) {
    return JoinPath(JoinPath(folderPath, asideName), kAsideEntry);
}

void ClearStaleScratch(const std::string& folderPath) {
    const Descriptor folder(open(folderPath.c_str(), kFolderFlags));
    struct stat info {};
    if (!folder.IsOpen() || fstat(folder.get(), &info) != 0 || !FirstVisit(folderPath, info))
        return;
    int listError = 0;
    for (const auto& name : ReadEntryNames(folder.get(), listError)) {
        const auto owner = OwnerOf(name);
        if (!owner || ProcessIsRunning(owner->processId, owner->startTime))
            continue;
        struct stat entry {};
        if (fstatat(folder.get(), name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(entry.st_mode) && PutBack(folder.get(), name) != 0)
            continue; // the user's entry must not go with it
        std::string error;
        RemoveTree(folder.get(), folderPath, name, error);
    }
    FolderListing::Forget(folderPath);
}

} // namespace files

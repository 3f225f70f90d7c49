#include "platform/files/Scratch.h"

#include "platform/files/Descriptor.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/FolderListing.h"
#include "platform/files/ProgramFolder.h"
#include "platform/files/TreeRemoval.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <mutex>
#include <set>
#include <tuple>

namespace files {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr std::string_view kCopyPrefix = ".dravo-copy-";
constexpr std::string_view kReplacePrefix = ".dravo-replace-";

// Scratch whose owner has ended; a name without an owner comes from an
// earlier version, whose run is over too.
bool IsStale(std::string_view name) {
    if (name.starts_with(kCopyPrefix))
        name.remove_prefix(kCopyPrefix.size());
    else if (name.starts_with(kReplacePrefix))
        name.remove_prefix(kReplacePrefix.size());
    else
        return false;
    int owner = 0;
    const auto [end, failure] = std::from_chars(name.data(), name.data() + name.size(), owner);
    if (failure != std::errc() || end == name.data() + name.size() || *end != '-')
        return true;
    // A process of that id since a restart may run anything else.
    return owner != getpid() && !RunsThisProgram(owner);
}

// Puts back what a replace had set aside where its place is still empty;
// false when something set aside is still there.
bool PutBackSetAside(int folderFd, int scratchFd) {
    const Descriptor aside(openat(scratchFd, kScratchAsideFolder, kFolderFlags));
    if (!aside.IsOpen())
        return errno == ENOENT;
    int listError = 0;
    bool allBack = true;
    for (const auto& name : ReadEntryNames(aside.get(), listError)) {
        struct stat existing {};
        if (fstatat(folderFd, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
            continue; // the copy took its place: the old entry was replaced
        allBack = renameat(aside.get(), name.c_str(), folderFd, name.c_str()) == 0 && allBack;
    }
    return allBack && listError == 0;
}

// Whether the folder was looked at already in this process.
bool FirstVisit(const std::string& path, const struct stat& folder) {
    static std::mutex mutex;
    static std::set<std::tuple<dev_t, ino_t, std::string>> visited;
    const std::lock_guard lock(mutex);
    return visited.emplace(folder.st_dev, folder.st_ino, path).second;
}

} // namespace

std::string CopyScratchName(pid_t owner, unsigned serial) {
    return std::string(kCopyPrefix) + std::to_string(owner) + "-" + std::to_string(serial);
}

std::string ReplaceScratchName(pid_t owner, std::string_view unique) {
    return std::string(kReplacePrefix) + std::to_string(owner) + "-" + std::string(unique);
}

void ClearStaleScratch(const std::string& folderPath) {
    const Descriptor folder(open(folderPath.c_str(), kFolderFlags));
    struct stat info {};
    if (!folder.IsOpen() || fstat(folder.get(), &info) != 0 || !FirstVisit(folderPath, info))
        return;
    int listError = 0;
    for (const auto& name : ReadEntryNames(folder.get(), listError)) {
        if (!IsStale(name))
            continue;
        const Descriptor scratch(openat(folder.get(), name.c_str(), kFolderFlags));
        if (scratch.IsOpen() && !PutBackSetAside(folder.get(), scratch.get()))
            continue; // the user's entry must not go with it
        std::string error;
        RemoveTree(folder.get(), folderPath, name, error);
    }
    FolderListing::Forget(folderPath);
}

} // namespace files

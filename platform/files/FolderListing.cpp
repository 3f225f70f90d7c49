#include "platform/files/FolderListing.h"

#include "platform/files/Descriptor.h"
#include "platform/files/FolderEntries.h"
#include "platform/files/ListingCache.h"
#include "platform/files/MacName.h"
#include "platform/files/PosixPath.h"
#include "platform/threads/Cooperative.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <numeric>

namespace files {

namespace {

constexpr long long kClockGranularityNs = 50'000'000;

// The empty listing of a path that is no folder, with the reason.
std::shared_ptr<const FolderListing> NoFolderListing(const std::string& folderPath) {
    struct stat info {};
    const int error = lstat(folderPath.c_str(), &info) != 0 ? errno : ENOTDIR;
    return std::make_shared<const FolderListing>(folderPath, std::vector<ListedEntry>{}, error);
}

// The kind the folder's record gives, asking the entry itself only on file
// systems that leave it out.
EntryKind KindOfEntry(int folderFd, const FolderRecord& record) {
    switch (record.type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_UNKNOWN: {
        struct stat info {};
        if (fstatat(folderFd, record.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return EntryKind::Missing;
        return KindOfMode(info.st_mode);
    }
    default:
        return EntryKind::Other;
    }
}

// errorNumber: 0, or why the folder could not be read to its end; then no
// entry is kept, so that a partial listing is never taken for the whole.
std::vector<ListedEntry> ReadEntries(int folderFd, int& errorNumber) {
    std::vector<ListedEntry> entries;
    std::vector<std::string> companionsOf;
    auto records = ReadFolderRecords(folderFd, errorNumber);
    if (errorNumber != 0)
        return entries;
    for (auto& record : records) {
        if (IsAppleDoubleName(record.name)) {
            companionsOf.push_back(record.name.substr(2));
            continue;
        }
        const EntryKind kind = KindOfEntry(folderFd, record);
        auto key = MacNameKey(record.name);
        entries.push_back(ListedEntry{std::move(record.name), std::move(key), kind, false});
    }
    std::sort(companionsOf.begin(), companionsOf.end());
    for (auto& entry : entries)
        entry.hasCompanion =
            std::binary_search(companionsOf.begin(), companionsOf.end(), entry.name);
    // Names equal to a Mac disk can both exist here; the bytes keep their order fixed.
    std::sort(entries.begin(), entries.end(), [](const ListedEntry& a, const ListedEntry& b) {
        return a.key != b.key ? a.key < b.key : a.name < b.name;
    });
    return entries;
}

long long NowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Reads the folder afresh and keeps the listing for reuse when it was read
// whole. The folder is opened first and its stamp taken from the open folder,
// so that one that was never listed is looked up on disk only once.
std::shared_ptr<const FolderListing> ReadListing(const std::string& folderPath,
                                                 std::uint64_t slice) {
    const Descriptor folder(
        open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!folder.IsOpen()) {
        const int openError = errno;
        if (!FolderStamp::Of(folderPath))
            return NoFolderListing(folderPath);
        return std::make_shared<const FolderListing>(folderPath, std::vector<ListedEntry>{},
                                                     openError);
    }
    struct stat info {};
    if (fstat(folder.get(), &info) != 0)
        return std::make_shared<const FolderListing>(folderPath, std::vector<ListedEntry>{}, errno);
    const FolderStamp stamp = FolderStamp::OfStatus(info);
    const long long sinceChange = NowNanoseconds() - std::max(stamp.modified, stamp.changed);
    const bool racy = sinceChange >= 0 && sinceChange < kClockGranularityNs;
    int errorNumber = 0;
    auto entries = ReadEntries(folder.get(), errorNumber);
    auto listing =
        std::make_shared<const FolderListing>(folderPath, std::move(entries), errorNumber);
    // A folder that could not be read is read again next time: the cause may pass.
    if (errorNumber == 0)
        ListingCache::Instance().Store(folderPath, stamp, racy, slice, listing);
    return listing;
}

} // namespace

EntryKind KindOfMode(mode_t mode) {
    return S_ISDIR(mode) ? EntryKind::Folder : EntryKind::Other;
}

FolderListing::FolderListing(std::string folderPath, std::vector<ListedEntry> entries,
                             int errorNumber)
    : folderPath_(std::move(folderPath)), entries_(std::move(entries)), errorNumber_(errorNumber),
      byName_(entries_.size()) {
    std::iota(byName_.begin(), byName_.end(), 0u);
    std::sort(byName_.begin(), byName_.end(), [this](std::uint32_t a, std::uint32_t b) {
        return entries_[a].name < entries_[b].name;
    });
}

std::shared_ptr<const FolderListing> FolderListing::Of(const std::string& folderPath) {
    ListingCache& cache = ListingCache::Instance();
    const std::uint64_t slice = coop::CurrentSlice();
    if (auto current = cache.FoundInSlice(folderPath, slice))
        return current;
    // A folder with a listing kept is looked at first: it is mostly unchanged.
    if (cache.Peek(folderPath)) {
        const auto stamp = FolderStamp::Of(folderPath);
        if (!stamp)
            return NoFolderListing(folderPath);
        if (auto cached = cache.Find(folderPath, *stamp, slice))
            return cached;
    }
    return ReadListing(folderPath, slice);
}

std::shared_ptr<const FolderListing> FolderListing::Cached(std::string_view folderPath) {
    ListingCache& cache = ListingCache::Instance();
    const std::uint64_t slice = coop::CurrentSlice();
    if (auto current = cache.FoundInSlice(folderPath, slice))
        return current;
    auto stored = cache.Peek(folderPath);
    if (!stored)
        return nullptr;
    const auto stamp = FolderStamp::Of(std::string(folderPath));
    if (!(stamp == stored->stamp))
        return nullptr;
    cache.Confirm(folderPath, *stamp, slice);
    return std::move(stored->listing);
}

void FolderListing::Forget(const std::string& folderPath) {
    ListingCache::Instance().Erase(folderPath);
}

void FolderListing::ForgetTree(const std::string& folderPath) {
    ListingCache::Instance().EraseTree(folderPath);
}

const ListedEntry* FolderListing::Find(std::string_view name) const {
    const auto found = std::lower_bound(byName_.begin(), byName_.end(), name,
                                        [this](std::uint32_t index, std::string_view wanted) {
                                            return entries_[index].name < wanted;
                                        });
    return found != byName_.end() && entries_[*found].name == name ? &entries_[*found] : nullptr;
}

const ListedEntry* FolderListing::FindMacName(std::string_view name) const {
    const auto key = MacNameKey(name);
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), key,
        [](const ListedEntry& entry, const std::u16string& wanted) { return entry.key < wanted; });
    return found != entries_.end() && found->key == key ? &*found : nullptr;
}

std::string FolderListing::MatchingName(std::string_view name) const {
    if (Find(name) == nullptr)
        if (const ListedEntry* match = FindMacName(name))
            return match->name;
    return std::string(name);
}

std::optional<FinderInfo> FolderListing::FinderInfoOf(const ListedEntry& entry) const {
    const auto index = static_cast<std::size_t>(&entry - entries_.data());
    const auto now = std::chrono::steady_clock::now();
    {
        std::lock_guard lock(finderInfoMutex_);
        // Made on first use: a listing only counted and indexed needs none.
        if (finderInfo_.empty())
            finderInfo_.resize(entries_.size());
        const FinderInfoSlot& slot = finderInfo_[index];
        if (slot.read && now - slot.readAt < kFinderInfoLifetime)
            return slot.info;
    }
    auto info = ReadFinderInfo(JoinPath(folderPath_, entry.name), entry.hasCompanion);
    std::lock_guard lock(finderInfoMutex_);
    finderInfo_[index] = FinderInfoSlot{true, now, info};
    return info;
}

std::optional<std::string> ResolveChildPath(const std::string& folderPath,
                                            const std::string& name) {
    if (const auto listing = FolderListing::Cached(folderPath))
        return JoinPath(folderPath, listing->MatchingName(name));
    if (!FolderStamp::Of(folderPath))
        return std::nullopt;
    std::string exact = JoinPath(folderPath, name);
    struct stat info {};
    if (lstat(exact.c_str(), &info) == 0)
        return exact;
    return JoinPath(folderPath, FolderListing::Of(folderPath)->MatchingName(name));
}

std::string ResolvePathBelow(const std::string& folderPath, const std::vector<std::string>& names) {
    std::string path = folderPath;
    bool inFolder = true;
    for (const auto& name : names) {
        auto child = inFolder ? ResolveChildPath(path, name) : std::nullopt;
        inFolder = child.has_value();
        path = child ? std::move(*child) : JoinPath(path, name);
    }
    return path;
}

bool IsAppleDoubleName(std::string_view name) {
    return name.starts_with("._");
}

} // namespace files

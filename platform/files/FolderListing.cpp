#include "platform/files/FolderListing.h"

#include "platform/files/MacName.h"
#include "platform/files/PosixPath.h"

#include <dirent.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <list>
#include <mutex>
#include <unordered_map>

namespace files {

namespace {

constexpr std::size_t kCachedFolders = 64;
constexpr long long kClockGranularityNs = 50'000'000;

long long Nanoseconds(const timespec& t) {
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

struct FolderStamp {
    dev_t device = 0;
    ino_t inode = 0;
    long long modified = 0;
    long long changed = 0;
    bool operator==(const FolderStamp&) const = default;
};

struct CachedListing {
    FolderStamp stamp;
    bool racy = false;
    std::shared_ptr<const FolderListing> listing;
    std::list<std::string>::iterator recency;
};

class ListingCache {
public:
    std::shared_ptr<const FolderListing> Find(const std::string& path, const FolderStamp& stamp) {
        std::lock_guard lock(mutex_);
        const auto found = entries_.find(path);
        if (found == entries_.end() || found->second.racy || !(found->second.stamp == stamp))
            return nullptr;
        recency_.splice(recency_.begin(), recency_, found->second.recency);
        return found->second.listing;
    }

    void Store(const std::string& path, const FolderStamp& stamp, bool racy,
               std::shared_ptr<const FolderListing> listing) {
        std::lock_guard lock(mutex_);
        EraseLocked(path);
        if (entries_.size() >= kCachedFolders)
            EraseLocked(recency_.back());
        recency_.push_front(path);
        entries_[path] = CachedListing{stamp, racy, std::move(listing), recency_.begin()};
    }

    void Erase(const std::string& path) {
        std::lock_guard lock(mutex_);
        EraseLocked(path);
    }

private:
    void EraseLocked(const std::string& path) {
        const auto found = entries_.find(path);
        if (found == entries_.end())
            return;
        recency_.erase(found->second.recency);
        entries_.erase(found);
    }

    std::mutex mutex_;
    std::unordered_map<std::string, CachedListing> entries_;
    std::list<std::string> recency_;
};

ListingCache& Cache() {
    static ListingCache cache;
    return cache;
}

const std::shared_ptr<const FolderListing>& EmptyListing() {
    static const auto empty = std::make_shared<const FolderListing>(std::vector<ListedEntry>{});
    return empty;
}

std::vector<ListedEntry> ReadEntries(const std::string& folderPath) {
    std::vector<ListedEntry> entries;
    DIR* folder = opendir(folderPath.c_str());
    if (folder == nullptr)
        return entries;
    while (const dirent* entry = readdir(folder)) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == ".." || IsAppleDoubleName(name))
            continue;
        entries.push_back(ListedEntry{std::string(name), MacNameKey(name)});
    }
    closedir(folder);
    // Names equal to a Mac disk can both exist here; the bytes keep their order fixed.
    std::sort(entries.begin(), entries.end(), [](const ListedEntry& a, const ListedEntry& b) {
        return a.key != b.key ? a.key < b.key : a.name < b.name;
    });
    return entries;
}

} // namespace

FolderListing::FolderListing(std::vector<ListedEntry> entries) : entries_(std::move(entries)) {}

std::shared_ptr<const FolderListing> FolderListing::Of(const std::string& folderPath) {
    struct stat info {};
    if (lstat(folderPath.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return EmptyListing();
    const FolderStamp stamp{info.st_dev, info.st_ino, Nanoseconds(info.st_mtim),
                            Nanoseconds(info.st_ctim)};
    if (auto cached = Cache().Find(folderPath, stamp))
        return cached;

    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long sinceChange = Nanoseconds(now) - std::max(stamp.modified, stamp.changed);
    const bool racy = sinceChange >= 0 && sinceChange < kClockGranularityNs;
    auto listing = std::make_shared<const FolderListing>(ReadEntries(folderPath));
    Cache().Store(folderPath, stamp, racy, listing);
    return listing;
}

void FolderListing::Forget(const std::string& folderPath) {
    Cache().Erase(folderPath);
}

const ListedEntry* FolderListing::FindMacName(std::string_view name) const {
    const auto key = MacNameKey(name);
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), key,
        [](const ListedEntry& entry, const std::u16string& wanted) { return entry.key < wanted; });
    return found != entries_.end() && found->key == key ? &*found : nullptr;
}

std::string ResolveChildPath(const std::string& folderPath, const std::string& name) {
    std::string exact = JoinPath(folderPath, name);
    struct stat info {};
    if (lstat(exact.c_str(), &info) == 0)
        return exact;
    const auto listing = FolderListing::Of(folderPath);
    if (const ListedEntry* match = listing->FindMacName(name))
        return JoinPath(folderPath, match->name);
    return exact;
}

std::string ResolvePathBelow(const std::string& folderPath, const std::vector<std::string>& names) {
    std::string path = folderPath;
    bool inFolder = true;
    for (const auto& name : names) {
        struct stat info {};
        inFolder = inFolder && lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        path = inFolder ? ResolveChildPath(path, name) : JoinPath(path, name);
    }
    return path;
}

bool IsAppleDoubleName(std::string_view name) {
    return name.starts_with("._");
}

} // namespace files

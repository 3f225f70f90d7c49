#include "platform/files/ListingCache.h"

#include <sys/stat.h>

#include <vector>

namespace files {

namespace {

constexpr std::size_t kCachedFolders = 64;

long long Nanoseconds(const timespec& t) {
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

} // namespace

std::optional<FolderStamp> FolderStamp::Of(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return OfStatus(info);
}

FolderStamp FolderStamp::OfStatus(const struct stat& info) {
    return FolderStamp{info.st_dev, info.st_ino, Nanoseconds(info.st_mtim),
                       Nanoseconds(info.st_ctim)};
}

ListingCache& ListingCache::Instance() {
    static ListingCache cache;
    return cache;
}

std::shared_ptr<const FolderListing>
ListingCache::Find(std::string_view path, const FolderStamp& stamp, std::uint64_t slice) {
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(path);
    if (found == entries_.end() || found->second.racy || !(found->second.stamp == stamp))
        return nullptr;
    recency_.splice(recency_.begin(), recency_, found->second.recency);
    found->second.confirmedSlice = slice;
    return found->second.listing;
}

std::shared_ptr<const FolderListing> ListingCache::FoundInSlice(std::string_view path,
                                                                std::uint64_t slice) {
    if (slice == 0)
        return nullptr;
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(path);
    if (found == entries_.end() || found->second.racy || found->second.confirmedSlice != slice)
        return nullptr;
    recency_.splice(recency_.begin(), recency_, found->second.recency);
    return found->second.listing;
}

void ListingCache::Confirm(std::string_view path, const FolderStamp& stamp, std::uint64_t slice) {
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(path);
    if (found != entries_.end() && found->second.stamp == stamp)
        found->second.confirmedSlice = slice;
}

std::optional<ListingCache::Stored> ListingCache::Peek(std::string_view path) {
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(path);
    if (found == entries_.end() || found->second.racy)
        return std::nullopt;
    return Stored{found->second.stamp, found->second.listing};
}

void ListingCache::Store(const std::string& path, const FolderStamp& stamp, bool racy,
                         std::uint64_t slice, std::shared_ptr<const FolderListing> listing) {
    std::lock_guard lock(mutex_);
    EraseLocked(path);
    if (entries_.size() >= kCachedFolders)
        EraseLocked(recency_.back());
    recency_.push_front(path);
    entries_[path] = Cached{stamp, racy, slice, std::move(listing), recency_.begin()};
}

void ListingCache::Erase(std::string_view path) {
    std::lock_guard lock(mutex_);
    EraseLocked(path);
}

void ListingCache::EraseTree(std::string_view path) {
    std::lock_guard lock(mutex_);
    std::vector<std::string> below;
    for (const auto& [cached, entry] : entries_)
        if (cached.size() > path.size() && cached.starts_with(path) && cached[path.size()] == '/')
            below.push_back(cached);
    for (const auto& cached : below)
        EraseLocked(cached);
    EraseLocked(path);
}

void ListingCache::EraseLocked(std::string_view path) {
    const auto found = entries_.find(path);
    if (found == entries_.end())
        return;
    recency_.erase(found->second.recency);
    entries_.erase(found);
}

} // namespace files

#pragma once
// The folder listings kept for reuse, by folder path, the most recently used
// 64. A listing is handed out again only while its folder carries the stamp it
// had when read; one read within the clock's granularity of a change is never
// handed out, since a change in the same tick may leave the times as they were.
// A stamp found current in a slice of the cooperative threads stands for the
// rest of that slice (see coop::CurrentSlice): the folder is looked at once
// per slice.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace files {

class FolderListing;

// What changes when a folder's entries change: its identity and its times.
struct FolderStamp {
    dev_t device = 0;
    ino_t inode = 0;
    long long modified = 0; // nanoseconds
    long long changed = 0;
    bool operator==(const FolderStamp&) const = default;

    // The stamp of the folder at the path; nullopt when it is no folder.
    static std::optional<FolderStamp> Of(const std::string& path);
    static FolderStamp OfStatus(const struct stat& info);
};

class ListingCache {
public:
    static ListingCache& Instance();

    struct Stored {
        FolderStamp stamp;
        std::shared_ptr<const FolderListing> listing;
    };

    // The listing stored for the path under that stamp, or nullptr; it
    // becomes the most recently used, found current in that slice.
    std::shared_ptr<const FolderListing> Find(std::string_view path, const FolderStamp& stamp,
                                              std::uint64_t slice);
    // The listing stored for the path that was found current in this slice,
    // or nullptr; slice 0 (outside the cooperative threads) finds none. It
    // becomes the most recently used.
    std::shared_ptr<const FolderListing> FoundInSlice(std::string_view path, std::uint64_t slice);
    // Notes that the listing stored under that stamp was found current in that slice.
    void Confirm(std::string_view path, const FolderStamp& stamp, std::uint64_t slice);
    // The listing stored for the path that could still be handed out, with
    // the stamp it was read under.
    std::optional<Stored> Peek(std::string_view path);
    // Keeps a listing just read in that slice, where it is current; a racy
    // one only so that it is never handed out.
    void Store(const std::string& path, const FolderStamp& stamp, bool racy, std::uint64_t slice,
               std::shared_ptr<const FolderListing> listing);
    void Erase(std::string_view path);
    // Erases the listings of the folder and of every folder below it.
    void EraseTree(std::string_view path);

private:
    struct Cached {
        FolderStamp stamp;
        bool racy = false;
        std::uint64_t confirmedSlice = 0;
        std::shared_ptr<const FolderListing> listing;
        std::list<std::string>::iterator recency;
    };
    struct PathHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view path) const {
            return std::hash<std::string_view>{}(path);
        }
    };

    void EraseLocked(std::string_view path);

    std::mutex mutex_;
    std::unordered_map<std::string, Cached, PathHash, std::equal_to<>> entries_;
    std::list<std::string> recency_;
};

} // namespace files

#pragma once
// A folder's entries in the order a Mac disk lists them (case and
// normalisation ignored), without "." and ".." and without the "._"
// AppleDouble companions, which are metadata and travel with their files.
//
// Listings are cached per folder and read again only when the folder changed
// (device, inode, change and modification times), so that a loop asking for
// the count on every pass stays linear. A folder changed within the clock's
// granularity of the reading is read again next time, since a change in the
// same tick may leave its times as they were. Within one slice of the
// cooperative threads (until the event loop runs again) the folder is looked
// at only once; the threads' own changes through this layer forget it at once.
//
// Each entry keeps what the reading learnt of it: its kind and whether a
// companion lies beside it. Removing, adding or replacing an entry changes the
// folder, so these hold exactly as long as the listing is current. Finder
// information changes without touching the folder (an extended attribute, a
// companion rewritten in place); an entry's is kept for 50 ms from its
// reading, and writes through this layer drop it at once.

#include "platform/files/FinderInfo.h"

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// A symbolic link is Other, whatever it points at: nothing here walks through one.
enum class EntryKind : std::uint8_t { Missing, Folder, Other };

// The kind of an entry with this st_mode.
EntryKind KindOfMode(mode_t mode);

struct ListedEntry {
    std::string name;   // the bytes on disk, UTF-8 or not
    std::u16string key; // MacNameKey(name)
    EntryKind kind = EntryKind::Other;
    bool hasCompanion = false; // a "._name" lies beside it
};

class FolderListing {
public:
    static constexpr std::chrono::milliseconds kFinderInfoLifetime{50};

    // The current listing of the folder at the path; empty when it is no
    // readable folder (a symbolic link to one included), with the reason in
    // ErrorNumber.
    static std::shared_ptr<const FolderListing> Of(const std::string& folderPath);

    // The cached listing of the folder when it is still current, without
    // reading the folder; nullptr otherwise. Costs nothing when none is cached.
    static std::shared_ptr<const FolderListing> Cached(std::string_view folderPath);

    // Drops the cached listing after the layer changed the folder itself.
    static void Forget(const std::string& folderPath);
    // Drops the listings of a folder that the layer removed, and of its tree.
    static void ForgetTree(const std::string& folderPath);

    const std::vector<ListedEntry>& Entries() const { return entries_; }
    // 0, or the system's error number for why the folder could not be listed.
    int ErrorNumber() const { return errorNumber_; }

    // The entry of exactly this name, or nullptr.
    const ListedEntry* Find(std::string_view name) const;
    // The first entry that a Mac disk takes for this name, or nullptr.
    const ListedEntry* FindMacName(std::string_view name) const;
    // The name of the entry a Mac disk takes for this one: the exact name
    // when it is listed, else the matching entry's, else the name as given.
    std::string MatchingName(std::string_view name) const;

    // The Finder information of one of these entries.
    std::optional<FinderInfo> FinderInfoOf(const ListedEntry& entry) const;

    FolderListing(std::string folderPath, std::vector<ListedEntry> entries, int errorNumber = 0);

private:
    struct FinderInfoSlot {
        bool read = false;
        std::chrono::steady_clock::time_point readAt;
        std::optional<FinderInfo> info;
    };

    std::string folderPath_;
    std::vector<ListedEntry> entries_;
    int errorNumber_ = 0;
    std::vector<std::uint32_t> byName_; // indexes into entries_, in byte order of the names
    mutable std::mutex finderInfoMutex_;
    mutable std::vector<FinderInfoSlot> finderInfo_;
};

// The path of the folder's entry of that name: the exact name when it is
// there, else the entry a Mac disk matches, else the name as given; nullopt
// when the path is no folder. A cached listing answers; another folder is
// listed only when the exact name is not there.
std::optional<std::string> ResolveChildPath(const std::string& folderPath, const std::string& name);

// The path below the folder named by these entry names, each matched as
// ResolveChildPath does while the path so far is a folder.
std::string ResolvePathBelow(const std::string& folderPath, const std::vector<std::string>& names);

bool IsAppleDoubleName(std::string_view name);

} // namespace files

#pragma once
// A folder's entries in the order a Mac disk lists them (case and
// normalisation ignored), without "." and ".." and without the "._"
// AppleDouble companions, which are metadata and travel with their files.
//
// Listings are cached per folder and read again only when the folder changed
// (device, inode, change and modification times), so that a loop asking for
// the count on every pass stays linear. A folder changed within the clock's
// granularity of the reading is read again next time, since a change in the
// same tick may leave its times as they were.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace files {

struct ListedEntry {
    std::string name;   // the bytes on disk, UTF-8 or not
    std::u16string key; // MacNameKey(name)
};

class FolderListing {
public:
    // The current listing of the folder at the path; empty when it is no
    // readable folder (a symbolic link to one included).
    static std::shared_ptr<const FolderListing> Of(const std::string& folderPath);

    // Drops the cached listing after the layer changed the folder itself.
    static void Forget(const std::string& folderPath);

    const std::vector<ListedEntry>& Entries() const { return entries_; }

    // The first entry that a Mac disk takes for this name, or nullptr.
    const ListedEntry* FindMacName(std::string_view name) const;

    explicit FolderListing(std::vector<ListedEntry> entries);

private:
    std::vector<ListedEntry> entries_;
};

// The path of the folder's entry of that name: the exact name when it is
// there, else the entry a Mac disk matches, else the name as given.
std::string ResolveChildPath(const std::string& folderPath, const std::string& name);

// The path below the folder named by these entry names, each matched as
// ResolveChildPath does while the path so far is a folder.
std::string ResolvePathBelow(const std::string& folderPath, const std::vector<std::string>& names);

bool IsAppleDoubleName(std::string_view name);

} // namespace files

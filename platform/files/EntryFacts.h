#pragma once
// What the layer knows of one entry: its kind and its Finder information.
// While the cached listing of its folder is current and lists it, both come
// from there, at the cost of one look at the folder; otherwise they are asked
// of the file system, so that a folder nobody listed is never read for it and
// a name the listing does not hold byte for byte is still found on a disk that
// ignores case.

#include "platform/files/FinderInfo.h"
#include "platform/files/FolderListing.h"

#include <memory>
#include <optional>
#include <string>

namespace files {

class EntryFacts {
public:
    // The path must outlive the facts.
    static EntryFacts Of(const std::string& path);

    EntryKind Kind() const { return kind_; }
    // Read on first use; none for a missing entry.
    std::optional<FinderInfo> FinderInformation() const;

private:
    EntryFacts(const std::string& path, EntryKind kind) : path_(path), kind_(kind) {}

    const std::string& path_;
    EntryKind kind_;
    std::shared_ptr<const FolderListing> listing_;
    const ListedEntry* entry_ = nullptr;
};

} // namespace files

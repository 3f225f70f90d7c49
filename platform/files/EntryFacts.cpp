#include "platform/files/EntryFacts.h"

#include "platform/files/PosixPath.h"

#include <sys/stat.h>

namespace files {

EntryFacts EntryFacts::Of(const std::string& path) {
    if (path != "/") {
        if (auto listing = FolderListing::Cached(ParentPath(path))) {
            if (const ListedEntry* entry = listing->Find(BaseName(path))) {
                EntryFacts facts(path, entry->kind);
                facts.listing_ = std::move(listing);
                facts.entry_ = entry;
                return facts;
            }
        }
    }
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return EntryFacts(path, EntryKind::Missing);
    return EntryFacts(path, KindOfMode(info.st_mode));
}

std::optional<FinderInfo> EntryFacts::FinderInformation() const {
    if (kind_ == EntryKind::Missing)
        return std::nullopt;
    if (entry_ != nullptr)
        return listing_->FinderInfoOf(*entry_);
    return ReadFinderInfo(path_);
}

} // namespace files

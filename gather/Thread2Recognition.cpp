// Recognition: an item's type and creator compared with the catalogue's
// application and document codes. Names play no part in it.

#include "common/Globals.h"
#include "gather/Thread2.h"
#include "platform/threads/Cooperative.h"

#include <vector>

namespace {

// The row of `codes` equal to `code`, or -1; yields after each row that differs.
// The list's size is read afresh on each pass.
std::int32_t CatalogueRow(const String& code, const std::vector<String>& codes) {
    for (std::size_t j = 0; j < codes.size(); ++j) {
        if (code == codes[j])
            return static_cast<std::int32_t>(j);
        coop::YieldToNextThread();
    }
    return Thread2::kNothing;
}

} // namespace

// A folder met by the scan is only ever an application folder; one chosen by
// hand may be a document folder when it holds none of the applications.
std::int32_t Thread2::GetItem2FindCre(const FolderItem& item, std::int32_t mode) {
    if (Globals::gAppPackage(item))
        return GetItem2FindCreF(item);
    if (item.Directory()) {
        const std::int32_t r = GetItem2FindCreD(item);
        if (r == kNothing && mode == kChosenByHand)
            return GetItem2FindDocD(item);
        return r;
    }
    return GetItem2FindDocF(item);
}

// The first application among the folder's children that the catalogue knows.
std::int32_t Thread2::GetItem2FindCreD(const FolderItem& folder) {
    for (int i = 1; i <= folder.Count(); ++i) {
        const FolderItem child = folder.Item(i);
        if (child != Nil && child.Exists() &&
            (Globals::gAppPackage(child) || child.MacType() == "APPL")) {
            const std::int32_t row =
                CatalogueRow(Globals::gGetTypeCre(child), Globals::gAppTypeCre);
            if (row != kNothing)
                return row;
        }
        coop::YieldToNextThread();
    }
    return kNothing;
}

std::int32_t Thread2::GetItem2FindCreF(const FolderItem& item) {
    return CatalogueRow(Globals::gGetTypeCre(item), Globals::gAppTypeCre);
}

std::int32_t Thread2::GetItem2FindDocF(const FolderItem& item) {
    return CatalogueRow(Globals::gGetTypeCre(item), Globals::gDocTypeCre) == kNothing
               ? kNothing
               : kDocumentFile;
}

// A folder holding one of the maker's documents directly.
std::int32_t Thread2::GetItem2FindDocD(const FolderItem& folder) {
    for (int i = 1; i <= folder.Count(); ++i) {
        const FolderItem child = folder.Item(i);
        if (child != Nil && child.Exists() && GetItem2FindDocF(child) == kDocumentFile)
            return kDocumentFolder;
        coop::YieldToNextThread();
    }
    return kNothing;
}

// The item record store: every gathered item once, by its absolute path.
//
// Several gathering threads may register at once. The search yields only
// after an entry that does not match and reads the size again after each
// yield, and the append follows the search without a yield, so one path is
// stored once and every caller gets the same index for it.

#include "platform/threads/Cooperative.h"
#include "wizard/Window1.h"

std::int32_t Window1::AddFIlist(const FolderItem& item, const String& kind) {
    const String path = item.AbsolutePath();
    for (std::size_t i = 0; i < pFI.size(); ++i) {
        if (pFI[i].item.AbsolutePath() == path)
            return static_cast<std::int32_t>(i);
        coop::YieldToNextThread();
    }
    pFI.push_back(TransferItem{item, kind, false});
    return static_cast<std::int32_t>(pFI.size()) - 1;
}

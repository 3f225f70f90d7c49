#include "common/ItemKinds.h"

#include <algorithm>
#include <string_view>

const ItemKind* FindItemKind(const String& code) {
    for (const ItemKind& kind : kItemKinds)
        if (code == kind.code)
            return &kind;
    return nullptr;
}

std::vector<const ItemKind*> TransferSubFolders() {
    std::vector<const ItemKind*> firsts;
    for (const ItemKind& kind : kItemKinds) {
        const bool seen = std::any_of(firsts.begin(), firsts.end(), [&kind](const ItemKind* first) {
            return std::string_view(first->subFolder) == kind.subFolder;
        });
        if (!seen)
            firsts.push_back(&kind);
    }
    return firsts;
}

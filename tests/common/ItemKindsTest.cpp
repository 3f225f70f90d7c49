// The item kinds: each code finds its row, and the paste takes each
// sub-folder of the transfer folder once, applications first.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ItemKinds.h"

TEST(ItemKinds, EachCodeFindsItsRowAndAnUnknownOneNone) {
    for (const ItemKind& kind : kItemKinds)
        EXPECT_EQ(FindItemKind(kind.code), &kind) << kind.code;
    EXPECT_EQ(FindItemKind("X"), nullptr);
    EXPECT_EQ(FindItemKind(""), nullptr);
}

TEST(ItemKinds, TheSubFoldersComeOnceEachInThePastesOrder) {
    std::vector<std::string> names;
    for (const ItemKind* kind : TransferSubFolders())
        names.push_back(kind->subFolder);
    EXPECT_EQ(names, (std::vector<std::string>{"App", "Pref", "AS", "Doc"}));
}

#pragma once
// The folders of the products that the gathering picks up, one row each: the
// name of the product's GroupRow in the item list, and the product's folders
// in the user's Preferences and Application Support ("" where it has none).

#include "common/Globals.h"

struct ProductFolders {
    Globals::CatalogueRow row;
    const char* name;
    const char* preferences;
    const char* support;
};

inline constexpr ProductFolders kProductFolders[] = {
    {Globals::kSolvane, "Solvane II", "Solvane初期設定", "Solvane II"},
    {Globals::kSwapdeck, "Solvane II Swapdeck", "", ""},
    {Globals::kTessaro, "Tessaro", "Tessaro初期設定", ""},
    {Globals::kKelmo, "Kelmo", "Kelmo初期設定", "Kelmo"},
    {Globals::kBrisko, "Brisko", "Brisko初期設定", ""},
};

// The row of a product; asking for one the table lacks does not compile.
consteval const ProductFolders& FoldersOf(Globals::CatalogueRow row) {
    for (const ProductFolders& product : kProductFolders)
        if (product.row == row)
            return product;
    throw "no folders for this catalogue row";
}

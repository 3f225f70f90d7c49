#pragma once
// The item kinds of the item store, one row each: the code a record carries,
// the label the item list shows beside it, the transfer folder's sub-folder
// it travels in, and this machine's folder it arrives in. The rows stand in
// the order in which the paste takes the sub-folders.

#include <array>
#include <vector>

#include "platform/files/FolderItem.h"
#include "platform/files/StandardFolders.h"
#include "platform/text/String.h"

struct ItemKind {
    const char* code;
    const char* label;
    const char* subFolder;
    FolderItem (*destination)();
};

inline constexpr std::array<ItemKind, 6> kItemKinds{{
    {"A", "アプリ", "App", SpecialFolder::Applications},  // application package
    {"AD", "アプリ", "App", SpecialFolder::Applications}, // folder holding an application
    {"P", "初期設定", "Pref", SpecialFolder::Preferences},
    {"AS", "App. Support", "AS", SpecialFolder::ApplicationData},
    {"DD", "書類", "Doc", SpecialFolder::Documents}, // document folder
    {"D", "書類", "Doc", SpecialFolder::Documents},  // document file
}};

// The row of a code; nullptr for a code the gathering never writes.
const ItemKind* FindItemKind(const String& code);

// The transfer folder's sub-folders, each once: the first row of each.
std::vector<const ItemKind*> TransferSubFolders();

#pragma once
// The three products that name their document folder in a preference file,
// and that file written on a fake disk as each product writes it.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "gather/Thread2.h"
#include "tests/support/prefs/PrefFileWriter.h"

struct PrefProduct {
    const char* name;
    const char* prefFolder; // in the user's Preferences folder
    const char* fileName;
    // Solvane's messages end with ":" and the entry's number.
    bool messageNamesEntry;
    // Solvane leaves entry 17 alone.
    bool resolvesEntry17;
    String (Thread2::*finder)(const String&, const FolderItem&);
    FolderItem (Thread2::*reader)(const FolderItem&);
};

inline constexpr PrefProduct kSolvane{"Solvane",
                                      "Solvane初期設定",
                                      "pref2",
                                      true,
                                      false,
                                      &Thread2::GetItem2PUDocDSolv,
                                      &Thread2::GetItem2PUDocDSolv2};
inline constexpr PrefProduct kTessaro{"Tessaro",
                                      "Tessaro初期設定",
                                      "pref2",
                                      false,
                                      true,
                                      &Thread2::GetItem2PUDocDTessa,
                                      &Thread2::GetItem2PUDocDTessa2};
inline constexpr PrefProduct kKelmo{"Kelmo",
                                    "Kelmo初期設定",
                                    "pref",
                                    false,
                                    true,
                                    &Thread2::GetItem2PUDocDKlm,
                                    &Thread2::GetItem2PUDocDKlm2};
inline constexpr PrefProduct kPrefProducts[] = {kSolvane, kTessaro, kKelmo};

std::string PrintPrefProduct(const testing::TestParamInfo<PrefProduct>& info);
void PrintTo(const PrefProduct& product, std::ostream* out);

// A path as the product stores it: Kelmo's in Shift-JIS, the others' in UTF-8.
std::string StoredPath(const PrefProduct& product, const std::string& utf8);

// The file's bytes as the product writes them.
std::string PrefFileBytes(const PrefProduct& product, const testprefs::PrefFile& file);

// A file of 20 entries whose entry 19 holds these bytes, the others empty.
testprefs::PrefFile PrefFileNaming(const std::string& entry19);

// The product's reply when an entry can't be resolved.
std::string NotFoundMessage(const PrefProduct& product, int entry);

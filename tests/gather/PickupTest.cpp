// Pick-up: what each gathered product registers and how its GroupRow lists it.

#include <filesystem>

#include "tests/gather/GatheringTest.h"

namespace {

// Every product's preference and Application Support folder of the user.
void FillUserLibrary(FakeMacDisk& disk, const std::string& home) {
    for (const char* name : {"Solvane初期設定", "Tessaro初期設定", "Kelmo初期設定",
                             "Brisko初期設定", "Swapdeck初期設定", "SolvaCard初期設定"})
        disk.Folder(home + "/Library/Preferences/" + name);
    for (const char* name : {"Solvane II", "Kelmo", "Tessaro", "Brisko", "Solvane II Swapdeck"})
        disk.Folder(home + "/Library/Application Support/" + name);
}

struct Product {
    const char* code;
    std::vector<ShownRow> rows; // after the scan, expanded
};

void PrintTo(const Product& value, std::ostream* out) {
    *out << value.code;
}

class GatheredProduct : public GatheringTest, public testing::WithParamInterface<Product> {};

TEST_P(GatheredProduct, RegistersItsItemsUnderOneGroupRow) {
    FillUserLibrary(Disk(), Machine().Home());
    Disk().AppBundle("Applications/Product/Product.app", GetParam().code);
    GatherByDevice();
    EXPECT_EQ(Rows(), GetParam().rows);
}

const ShownRow kApplication{"Product", "AD", "0", "アプリ", true};

INSTANTIATE_TEST_SUITE_P(
    Gathering, GatheredProduct,
    testing::Values(Product{"APPLqWt1",
                            {{"Solvane II", "", "0:1:2:", "", true},
                             kApplication,
                             {"Solvane初期設定", "P", "1", "初期設定", true},
                             {"Solvane II", "AS", "2", "App. Support", true}}},
                    Product{"APPLqWt2",
                            {{"Solvane II Swapdeck", "", "0:", "", true}, kApplication}},
                    Product{"APPLqWt4",
                            {{"Tessaro", "", "0:1:", "", true},
                             kApplication,
                             {"Tessaro初期設定", "P", "1", "初期設定", true}}},
                    Product{"APPLqWt5",
                            {{"Kelmo", "", "0:1:2:", "", true},
                             kApplication,
                             {"Kelmo初期設定", "P", "1", "初期設定", true},
                             {"Kelmo", "AS", "2", "App. Support", true}}},
                    Product{"APPLqWtm",
                            {{"Brisko", "", "0:1:", "", true},
                             kApplication,
                             {"Brisko初期設定", "P", "1", "初期設定", true}}}));

using Pickup = GatheringTest;

TEST_F(Pickup, ProductsNotGatheredGiveNothing) {
    FillUserLibrary(Disk(), Machine().Home());
    const char* codes[] = {"APPLqWt3", "APPLqWt6", "APPLqWtf", "APPLqWtj",
                           "APPLqWtk", "APPLqWtq", "APPLqWtr"};
    for (const char* code : codes)
        Disk().AppBundle("Applications/" + std::string(code) + "/App.app", code);
    GatherByDevice();
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(wizard->pFI.empty());
}

TEST_F(Pickup, OneProductInTwoFoldersSharesItsUserFolders) {
    FillUserLibrary(Disk(), Machine().Home());
    Disk().AppBundle("Applications/Solvane 1/Solvane.app", "APPLqWt1");
    Disk().AppBundle("Applications/Solvane 2/Solvane.app", "APPLqWt1");
    GatherByDevice();
    std::vector<std::string> lists;
    for (const ShownRow& row : Rows())
        if (row.kind.empty())
            lists.push_back(row.index);
    EXPECT_EQ(lists, (std::vector<std::string>{"0:1:2:", "3:1:2:"}));
    EXPECT_EQ(RecordKinds(), (std::vector<std::string>{"AD", "P", "AS", "AD"}));
}

TEST_F(Pickup, ProductWithoutUserFoldersListsItsApplicationOnly) {
    Disk().AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt5");
    GatherByDevice();
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{{"Kelmo", "", "0:", "", true},
                                             {"Kelmo", "AD", "0", "アプリ", true}}));
}

TEST_F(Pickup, NetworkTakesTheOldMachinesUserFolders) {
    FillUserLibrary(Disk(), Machine().Home());
    FakeMacDisk& old = Machine().AddVolume("Old Mac");
    old.AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
    old.Folder("Users/hanako/Library/Preferences/Solvane初期設定");
    ChooseNetwork("hanako");
    PressNextAndWait();
    EXPECT_EQ(GroupNames(), std::vector<std::string>{"Solvane II"});
    ASSERT_EQ(RecordKinds(), (std::vector<std::string>{"AD", "P"}));
    EXPECT_EQ(wizard->pFI[1].item.AbsolutePath(),
              String(old.Path("Users/hanako/Library/Preferences/Solvane初期設定")));
}

TEST_F(Pickup, NetworkWithTheUserFolderMissingGathersTheApplication) {
    FakeMacDisk& old = Machine().AddVolume("Old Mac");
    old.AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
    old.Folder("Users/hanako/Library/Preferences/Solvane初期設定");
    ChooseNetwork("hanako");
    std::filesystem::remove_all(old.Path("Users/hanako"));
    PressNextAndWait();
    EXPECT_EQ(GroupNames(), std::vector<std::string>{"Solvane II"});
    EXPECT_EQ(RecordKinds(), std::vector<std::string>{"AD"});
}

} // namespace

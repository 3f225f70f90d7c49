// Recognition: an application is known by its type and creator, kept in a
// bundle's PkgInfo or in the Finder information of a file, and only in a
// folder lying directly in the Applications folder.

#include <functional>

#include "tests/gather/GatheringTest.h"

namespace {

struct Layout {
    const char* name;
    std::function<void(FakeMacDisk&)> build;
};

void PrintTo(const Layout& value, std::ostream* out) {
    *out << value.name;
}

std::string LayoutName(const testing::TestParamInfo<Layout>& info) {
    return info.param.name;
}

class RecognisedLayout : public GatheringTest, public testing::WithParamInterface<Layout> {};

TEST_P(RecognisedLayout, GivesTheProductsGroupRowAndApplicationRecord) {
    GetParam().build(Disk());
    GatherByDevice();
    EXPECT_EQ(GroupNames(), std::vector<std::string>{"Solvane II"});
    EXPECT_EQ(RecordKinds(), std::vector<std::string>{"AD"});
}

INSTANTIATE_TEST_SUITE_P(
    Gathering, RecognisedLayout,
    testing::Values(
        Layout{"BundleWithContents",
               [](FakeMacDisk& d) { d.AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1"); }},
        Layout{"BundleWithLowerCaseContents",
               [](FakeMacDisk& d) {
                   d.AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1", "contents");
               }},
        Layout{"FinderInfoInExtendedAttribute",
               [](FakeMacDisk& d) {
                   d.TypedFile("Applications/Solvane/Solvane", "APPL", "qWt1",
                               Storage::ExtendedAttribute);
               }},
        Layout{"FinderInfoInAppleDouble",
               [](FakeMacDisk& d) {
                   d.TypedFile("Applications/Solvane/Solvane", "APPL", "qWt1",
                               Storage::AppleDouble);
               }},
        Layout{"NameOfAnotherProduct",
               [](FakeMacDisk& d) { d.AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt1"); }}),
    LayoutName);

class Decoy : public GatheringTest, public testing::WithParamInterface<Layout> {};

TEST_P(Decoy, GivesNoRowAndNoRecord) {
    GetParam().build(Disk());
    GatherByDevice();
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(wizard->pFI.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Gathering, Decoy,
    testing::Values(
        Layout{"HiddenFolder",
               [](FakeMacDisk& d) {
                   d.AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
                   d.SetInvisible("Applications/Solvane");
               }},
        Layout{
            "DotFolder",
            [](FakeMacDisk& d) { d.AppBundle("Applications/.Solvane/Solvane.app", "APPLqWt1"); }},
        Layout{"PackageDirectlyInTheScanRoot",
               [](FakeMacDisk& d) { d.AppBundle("Applications/Solvane.app", "APPLqWt1"); }},
        Layout{"ApplicationTwoFoldersDeep",
               [](FakeMacDisk& d) {
                   d.AppBundle("Applications/DRAVO/Solvane/Solvane.app", "APPLqWt1");
               }},
        Layout{"ForeignCode",
               [](FakeMacDisk& d) { d.AppBundle("Applications/Other/Other.app", "APPLabcd"); }},
        Layout{"ProductOnlyByName",
               [](FakeMacDisk& d) { d.Folder("Applications/Solvane/Solvane.app"); }},
        Layout{"SolvaCard",
               [](FakeMacDisk& d) {
                   d.AppBundle("Applications/SolvaCard/SolvaCard.app", "APPLqWt3");
               }},
        Layout{"DocumentFolder",
               [](FakeMacDisk& d) { d.TypedFile("Applications/Docs/Plan", "Tbx3", "qWt1"); }},
        Layout{"LinkToAProductFolder",
               [](FakeMacDisk& d) {
                   d.AppBundle("Elsewhere/Solvane/Solvane.app", "APPLqWt1");
                   d.SymbolicLink("Applications/Solvane", d.Path("Elsewhere/Solvane"));
               }},
        Layout{"BrokenLink",
               [](FakeMacDisk& d) { d.SymbolicLink("Applications/Gone", d.Path("Nowhere")); }}),
    LayoutName);

using Recognition = GatheringTest;

// The folder's first application in item order decides the product.
TEST_F(Recognition, TwoApplicationsInOneFolderGiveTheFirst) {
    Disk().AppBundle("Applications/DRAVO/A Kelmo.app", "APPLqWt5");
    Disk().AppBundle("Applications/DRAVO/B Solvane.app", "APPLqWt1");
    GatherByDevice();
    EXPECT_EQ(GroupNames(), std::vector<std::string>{"Kelmo"});
}

TEST_F(Recognition, PlainApplicationFileChosenByHandIsNotAnApplication) {
    GatherByDevice();
    AddFileByHand(Disk().TypedFile("Elsewhere/Solvane", "APPL", "qWt1"));
    ExpectNothingFoundCaution();
    WaitUntil([this] { return cautionShown; });
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(wizard->pFI.empty());
}

} // namespace

// Child matches names the way a Mac disk does, and never leaves its folder.

#include "platform/files/FolderItem.h"
#include "tests/support/FakeMacDisk.h"

#include <gtest/gtest.h>

namespace {

// "が" composed (U+304C) and decomposed (U+304B U+3099).
const std::string kComposedGa = "\xE3\x81\x8C";
const std::string kDecomposedGa = "\xE3\x81\x8B\xE3\x82\x99";

TEST(Child, FindsARealBundlesContentsByTheLowerCaseName) {
    FakeMacDisk disk;
    disk.AppBundle("Solvane.app", "APPLqWt1", "Contents");

    const FolderItem pkgInfo = disk.Item("Solvane.app").Child("contents").Child("PkgInfo");

    ASSERT_NE(pkgInfo, Nil);
    EXPECT_TRUE(pkgInfo.Exists());
    EXPECT_EQ(pkgInfo.AbsolutePath().ToUTF8(), disk.Path("Solvane.app/Contents/PkgInfo"));
}

TEST(Child, MatchesNamesWhateverTheirUnicodeNormalisation) {
    FakeMacDisk disk;
    disk.Folder("Doc" + kDecomposedGa);

    const FolderItem child = disk.Root().Child(String("doc" + kComposedGa));

    EXPECT_TRUE(child.Exists());
    EXPECT_EQ(child.Name().ToUTF8(), "Doc" + kDecomposedGa);
}

TEST(Child, PrefersTheExactNameWhenTwoDifferOnlyInCase) {
    FakeMacDisk disk;
    disk.File("readme", "lower");
    disk.File("README", "upper");

    EXPECT_EQ(disk.Root().Child("README").Name().ToUTF8(), "README");
    EXPECT_EQ(disk.Root().Child("readme").Name().ToUTF8(), "readme");
}

TEST(Child, GivesAMissingEntryUnderTheNameAsked) {
    FakeMacDisk disk;

    const FolderItem child = disk.Root().Child("CopyDone");

    ASSERT_NE(child, Nil);
    EXPECT_FALSE(child.Exists());
    EXPECT_EQ(child.AbsolutePath().ToUTF8(), disk.Path("CopyDone"));
}

TEST(Child, TheSameEntryHasOnePathHoweverItIsReached) {
    FakeMacDisk disk;
    disk.AppBundle("Tool.app", "APPLqWt2", "Contents");

    const FolderItem bundle = disk.Item("Tool.app");
    EXPECT_EQ(bundle.Child("CONTENTS").AbsolutePath(), bundle.Child("contents").AbsolutePath());
    EXPECT_EQ(bundle.Child("contents").AbsolutePath(), bundle.Item(1).AbsolutePath());
}

TEST(Child, OfAMissingFolderOrOfAFileIsNil) {
    FakeMacDisk disk;
    disk.File("plain.txt");

    EXPECT_EQ(disk.Root().Child("Resources").Child("CopyDone"), Nil);
    EXPECT_EQ(disk.Item("plain.txt").Child("x"), Nil);
}

TEST(Child, OfALinkToAFolderIsNil) {
    FakeMacDisk disk;
    disk.File("Real/inside.txt");
    disk.SymbolicLink("Link", "Real");

    EXPECT_EQ(disk.Item("Link").Child("inside.txt"), Nil);
}

class ChildRefusesNames : public testing::TestWithParam<std::string> {};

TEST_P(ChildRefusesNames, ThatCantBeAnEntryOfTheFolder) {
    FakeMacDisk disk;
    EXPECT_EQ(disk.Root().Child(String::FromBytes(GetParam())), Nil);
}

INSTANTIATE_TEST_SUITE_P(Names, ChildRefusesNames,
                         testing::Values("", ".", "..", std::string("a\0b", 3),
                                         std::string(256, 'x')));

TEST(Child, StoresASlashInAMacNameAsAColon) {
    FakeMacDisk disk;
    disk.File("1:2 report");

    const FolderItem child = disk.Root().Child("1/2 report");

    EXPECT_TRUE(child.Exists());
    EXPECT_EQ(child.AbsolutePath().ToUTF8(), disk.Path("1:2 report"));
}

} // namespace

// CopyFileTo copies files and whole trees with everything a Mac keeps, and
// never harms what is already at the destination.

#include "platform/files/ExtendedAttributes.h"
#include "platform/files/FolderItem.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScopedFileSizeLimit.h"
#include "tests/support/ScopedRamDisk.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr long long kSecond = 1'000'000'000LL;
// 2011-03-11 and 2009-02-13, with nanoseconds a coarse copy would lose.
constexpr EntryTimes kFileTimes{1299800000LL * kSecond + 123456789,
                                1234567890LL * kSecond + 987654321};
constexpr EntryTimes kFolderTimes{1299800000LL * kSecond + 1, 1234567890LL * kSecond + 2};
constexpr EntryTimes kLinkTimes{1299800000LL * kSecond + 3, 1234567890LL * kSecond + 4};

std::set<std::string> RawEntries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

bool Contains(const String& text, std::string_view part) {
    return text.ToUTF8().find(part) != std::string::npos;
}

class CopyFileTo : public testing::Test {
protected:
    void SetUp() override {
        disk.Folder("To");
        disk.File("Elsewhere/outside.txt", "not part of the tree");
    }

    // A product folder as a Mac leaves it, with times set last.
    void MakeProductTree() {
        disk.AppBundle("From/Solvane/Solvane.app", "APPLqWt1");
        disk.TypedFile("From/Solvane/Doc", "TEXT", "qWt1", Storage::ExtendedAttribute, "doc");
        disk.TypedFile("From/Solvane/Old doc", "TEXT", "qWt1", Storage::AppleDouble, "old");
        disk.File("From/Solvane/Manual", "manual");
        SetAttribute(disk.Path("From/Solvane/Manual"), "user.com.example.note", "kept");
        disk.File("From/Solvane/Locked/inside", "inside");
        disk.File("From/Solvane/tool", "#!/bin/sh\n");
        fs::permissions(disk.Path("From/Solvane/tool"), fs::perms(0755));
        fs::permissions(disk.Path("From/Solvane/Manual"), fs::perms(0600));
        disk.SymbolicLink("From/Solvane/Current", "Solvane.app");
        disk.SymbolicLink("From/Solvane/Shared", disk.Path("Elsewhere"));
        SetTimes(disk.Path("From/Solvane/Doc"), kFileTimes);
        SetTimes(disk.Path("From/Solvane/Current"), kLinkTimes);
        fs::permissions(disk.Path("From/Solvane/Locked"), fs::perms(0555));
        SetTimes(disk.Path("From/Solvane/Locked"), kFolderTimes);
        SetTimes(disk.Path("From/Solvane"), kFolderTimes);
    }

    bool CopyToTo(std::string_view relative) {
        return disk.Item(relative).CopyFileTo(disk.Item("To"));
    }

    FakeMacDisk disk;
};

TEST_F(CopyFileTo, CopiesATreeWithItsContentsAndFinderInformation) {
    MakeProductTree();

    ASSERT_TRUE(CopyToTo("From/Solvane")) << disk.Item("From/Solvane").LastError().ToUTF8();

    EXPECT_EQ(ContentsOf(disk.Path("To/Solvane/Solvane.app/Contents/PkgInfo")), "APPLqWt1");
    EXPECT_EQ(ContentsOf(disk.Path("To/Solvane/Locked/inside")), "inside");
    for (const char* name : {"To/Solvane/Doc", "To/Solvane/Old doc"}) {
        EXPECT_EQ(disk.Item(name).MacType().ToUTF8(), "TEXT") << name;
        EXPECT_EQ(disk.Item(name).MacCreator().ToUTF8(), "qWt1") << name;
    }
    EXPECT_EQ(ContentsOf(disk.Path("To/Solvane/._Old doc")),
              ContentsOf(disk.Path("From/Solvane/._Old doc")));
    EXPECT_EQ(AttributeOf(disk.Path("To/Solvane/Manual"), "user.com.example.note"), "kept");
}

TEST_F(CopyFileTo, KeepsPermissionsAndTimesToTheNanosecond) {
    MakeProductTree();

    ASSERT_TRUE(CopyToTo("From/Solvane"));

    EXPECT_EQ(PermissionsOf(disk.Path("To/Solvane/tool")), 0755u);
    EXPECT_EQ(PermissionsOf(disk.Path("To/Solvane/Manual")), 0600u);
    EXPECT_EQ(PermissionsOf(disk.Path("To/Solvane/Locked")), 0555u);
    EXPECT_EQ(TimesOf(disk.Path("To/Solvane/Doc")), kFileTimes);
    EXPECT_EQ(TimesOf(disk.Path("To/Solvane/Locked")).modified, kFolderTimes.modified);
    EXPECT_EQ(TimesOf(disk.Path("To/Solvane")).modified, kFolderTimes.modified);
    EXPECT_EQ(TimesOf(disk.Path("To/Solvane/Current")).modified, kLinkTimes.modified);
}

TEST_F(CopyFileTo, KeepsSymbolicLinksAsLinksWithoutFollowingThemOutOfTheTree) {
    MakeProductTree();

    ASSERT_TRUE(CopyToTo("From/Solvane"));

    EXPECT_TRUE(fs::is_symlink(disk.Path("To/Solvane/Current")));
    EXPECT_EQ(fs::read_symlink(disk.Path("To/Solvane/Current")), "Solvane.app");
    EXPECT_TRUE(fs::is_symlink(disk.Path("To/Solvane/Shared")));
    EXPECT_EQ(fs::read_symlink(disk.Path("To/Solvane/Shared")), disk.Path("Elsewhere"));
    EXPECT_EQ(RawEntries(disk.Path("Elsewhere")), (std::set<std::string>{"outside.txt"}));
}

TEST_F(CopyFileTo, CarriesAFilesCompanionWithIt) {
    disk.TypedFile("From/Notes", "TEXT", "qWt1", Storage::AppleDouble, "notes");

    ASSERT_TRUE(CopyToTo("From/Notes"));

    EXPECT_EQ(RawEntries(disk.Path("To")), (std::set<std::string>{"Notes", "._Notes"}));
    EXPECT_EQ(ContentsOf(disk.Path("To/Notes")), "notes");
    EXPECT_EQ(disk.Item("To/Notes").MacCreator().ToUTF8(), "qWt1");
}

TEST_F(CopyFileTo, CopiesALinkItselfAsALink) {
    disk.SymbolicLink("From/Shortcut", disk.Path("Elsewhere"));

    ASSERT_TRUE(CopyToTo("From/Shortcut"));

    EXPECT_TRUE(fs::is_symlink(disk.Path("To/Shortcut")));
    EXPECT_EQ(fs::read_symlink(disk.Path("To/Shortcut")), disk.Path("Elsewhere"));
}

TEST_F(CopyFileTo, KeepsFinderInformationInCompanionsOnADiskWithoutAttributes) {
    ScopedRamDisk stick;
    if (!stick.Available())
        GTEST_SKIP() << "no rights to mount a RAM disk";
    disk.TypedFile("From/Tree/doc", "TEXT", "qWt1");
    disk.TypedFile("From/Tree/sub/inner", "APPL", "qWt2");
    disk.TypedFile("From/Tree/own", "PDF ", "prvw", Storage::AppleDouble);
    disk.TypedFile("From/top", "TEXT", "ttxt");
    const FolderItem stickRoot = FolderItem::AtPosixPath(stick.Path());

    ASSERT_TRUE(disk.Item("From/Tree").CopyFileTo(stickRoot));
    ASSERT_TRUE(disk.Item("From/top").CopyFileTo(stickRoot));

    EXPECT_EQ(RawEntries(stick.Path()), (std::set<std::string>{"Tree", "top", "._top"}));
    EXPECT_EQ(RawEntries(stick.Path() + "/Tree"),
              (std::set<std::string>{"doc", "._doc", "own", "._own", "sub"}));
    const FolderItem tree = stickRoot.Child("Tree");
    EXPECT_EQ(tree.Child("doc").MacCreator().ToUTF8(), "qWt1");
    EXPECT_EQ(tree.Child("sub").Child("inner").MacType().ToUTF8(), "APPL");
    EXPECT_EQ(tree.Child("own").MacCreator().ToUTF8(), "prvw");
    EXPECT_EQ(stickRoot.Child("top").MacCreator().ToUTF8(), "ttxt");
}

TEST_F(CopyFileTo, IsSeenAtOnceByTheDestinationsListing) {
    disk.File("From/a");
    disk.File("From/b");
    const FolderItem to = disk.Item("To");
    ASSERT_EQ(to.Count(), 0);

    ASSERT_TRUE(disk.Item("From/a").CopyFileTo(to));
    ASSERT_TRUE(disk.Item("From/b").CopyFileTo(to));

    EXPECT_EQ(to.Count(), 2);
}

TEST_F(CopyFileTo, LeavesAnEntryOfTheSameNameUntouchedAndSaysWhy) {
    disk.File("From/Solvane/new", "new");
    disk.File("To/Solvane/mine", "the user's own");
    const FolderItem source = disk.Item("From/Solvane");

    EXPECT_FALSE(source.CopyFileTo(disk.Item("To")));

    EXPECT_TRUE(Contains(source.LastError(), disk.Path("To/Solvane")));
    EXPECT_TRUE(Contains(source.LastError(), "同じ名前のアイテムがすでにあります。"));
    EXPECT_EQ(RawEntries(disk.Path("To")), (std::set<std::string>{"Solvane"}));
    EXPECT_EQ(RawEntries(disk.Path("To/Solvane")), (std::set<std::string>{"mine"}));
    EXPECT_EQ(ContentsOf(disk.Path("To/Solvane/mine")), "the user's own");
}

class CopyIntoItself : public CopyFileTo, public testing::WithParamInterface<const char*> {};

TEST_P(CopyIntoItself, IsRefusedWithAReason) {
    disk.File("From/Solvane/sub/deeper/file");
    disk.SymbolicLink("Alias", disk.Path("From/Solvane/sub"));
    const FolderItem source = disk.Item("From/Solvane");

    EXPECT_FALSE(source.CopyFileTo(FolderItem::AtPosixPath(disk.Path(GetParam()))));

    EXPECT_TRUE(Contains(source.LastError(), "それ自身の中には"));
    EXPECT_EQ(RawEntries(disk.Path("From/Solvane")), (std::set<std::string>{"sub"}));
    EXPECT_EQ(RawEntries(disk.Path("From/Solvane/sub")), (std::set<std::string>{"deeper"}));
    EXPECT_EQ(RawEntries(disk.Path("From/Solvane/sub/deeper")), (std::set<std::string>{"file"}));
}

INSTANTIATE_TEST_SUITE_P(Destinations, CopyIntoItself,
                         testing::Values("From/Solvane", "From/Solvane/sub",
                                         "From/Solvane/sub/deeper", "Alias/deeper"));

TEST_F(CopyFileTo, ThatFailsHalfWayLeavesNothingBehind) {
    disk.File("From/Big/first", "small");
    disk.File("From/Big/huge", std::string(1 << 20, 'x'));
    disk.TypedFile("From/Big/last", "TEXT", "qWt1", Storage::AppleDouble, "small");
    const FolderItem source = disk.Item("From/Big");

    bool copied = true;
    {
        ScopedFileSizeLimit limit(64 * 1024);
        copied = source.CopyFileTo(disk.Item("To"));
    }

    EXPECT_FALSE(copied);
    EXPECT_TRUE(Contains(source.LastError(), "ファイルが大きすぎて"));
    EXPECT_TRUE(Contains(source.LastError(), disk.Path("To/Big/huge")));
    EXPECT_TRUE(RawEntries(disk.Path("To")).empty());
}

TEST_F(CopyFileTo, FailsWithAReasonWhenSourceOrDestinationIsMissing) {
    disk.File("From/here");
    const FolderItem missing = disk.Item("From/gone");
    const FolderItem here = disk.Item("From/here");

    EXPECT_FALSE(missing.CopyFileTo(disk.Item("To")));
    EXPECT_TRUE(
        Contains(missing.LastError(), "「" + disk.Path("From/gone") + "」：見つかりません。"));
    EXPECT_FALSE(here.CopyFileTo(disk.Item("Nowhere")));
    EXPECT_TRUE(Contains(here.LastError(), "「" + disk.Path("Nowhere") + "」：見つかりません。"));
    EXPECT_FALSE(here.CopyFileTo(here));
    EXPECT_TRUE(Contains(here.LastError(), "フォルダではありません。"));
}

TEST_F(CopyFileTo, LeavesOutDevicesAndPipesAndClearsSetIdRights) {
    disk.File("From/Old/tool", "#!/bin/sh\n");
    fs::permissions(disk.Path("From/Old/tool"), fs::perms(06755));
    if (mknod(disk.Path("From/Old/disk").c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        GTEST_SKIP() << "no rights to make a device node";
    ASSERT_EQ(mkfifo(disk.Path("From/Old/pipe").c_str(), 0600), 0);
    const FolderItem source = disk.Item("From/Old");

    EXPECT_FALSE(source.CopyFileTo(disk.Item("To")));

    // The first of them met is named.
    EXPECT_TRUE(Contains(source.LastError(), "「" + disk.Path("From/Old/")));
    EXPECT_TRUE(
        Contains(source.LastError(), "」：デバイスファイル、パイプ、ソケットはコピーしません。"));
    EXPECT_EQ(RawEntries(disk.Path("To/Old")), (std::set<std::string>{"tool"}));
    EXPECT_EQ(PermissionsOf(disk.Path("To/Old/tool")), 0755u);
}

// Attributes that would grant rights on the new machine, or that only its
// superuser may hold.
struct RightsAttribute {
    const char* label;
    const char* name;
    std::string value;
};

void PrintTo(const RightsAttribute& value, std::ostream* out) {
    *out << value.label;
}

// cap_setuid+ep as setcap writes it: revision 2 with the effective flag, then
// the permitted and inheritable sets, little-endian.
const std::string kSetUserIdCapability{"\x01\x00\x00\x02\x80\x00\x00\x00\x00\x00"
                                       "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00",
                                       20};

class RightsAttributes : public CopyFileTo, public testing::WithParamInterface<RightsAttribute> {};

TEST_P(RightsAttributes, NeverTravelWhileTheOthersDo) {
    disk.File("From/helper", "#!/bin/sh\n");
    const std::string source = disk.Path("From/helper");
    if (files::WriteAttribute(source, GetParam().name, GetParam().value) != 0)
        GTEST_SKIP() << "no rights to set " << GetParam().name << " here";
    SetAttribute(source, "user.com.example.note", "kept");

    ASSERT_TRUE(CopyToTo("From/helper")) << disk.Item("From/helper").LastError().ToUTF8();

    EXPECT_EQ(AttributeOf(disk.Path("To/helper"), GetParam().name), std::nullopt);
    EXPECT_EQ(AttributeOf(disk.Path("To/helper"), "user.com.example.note"), "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Names, RightsAttributes,
    testing::Values(RightsAttribute{"FileCapability", "security.capability", kSetUserIdCapability},
                    RightsAttribute{"Trusted", "trusted.com.example.note", "root's own"}),
    [](const testing::TestParamInfo<RightsAttribute>& info) { return info.param.label; });

TEST_F(CopyFileTo, ClearsTheLastErrorOnSuccess) {
    disk.File("From/here");
    const FolderItem here = disk.Item("From/here");
    ASSERT_FALSE(here.CopyFileTo(disk.Item("Nowhere")));

    ASSERT_TRUE(here.CopyFileTo(disk.Item("To")));

    EXPECT_TRUE(here.LastError().IsEmpty());
}

} // namespace

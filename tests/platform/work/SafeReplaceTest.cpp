// The safe replace of the work layer: the old entry goes only once its
// successor is complete, and nothing but the successor is left.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/work/SafeReplace.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScopedFileSizeLimit.h"
#include "tests/support/ScopedOrdinaryFileRights.h"
#include "tests/support/TreeSnapshot.h"

namespace {

namespace fs = std::filesystem;

class SafeReplace : public testing::Test {
protected:
    static std::vector<SnapshotEntry> Below(std::vector<SnapshotEntry> entries) {
        entries.erase(entries.begin());
        return entries;
    }
    bool Replace(const std::string& target, const std::string& source) {
        const Outcome outcome = work::ReplaceWithCopyOf(disk.Path(target), disk.Path(source),
                                                        files::SourceLink::Followed);
        error = outcome.Reason().ToUTF8();
        return outcome.Succeeded();
    }

    FakeMacDisk disk;
    std::string error;
};

struct ReplaceCase {
    const char* name;
    void (*buildSource)(FakeMacDisk&);
    void (*buildTarget)(FakeMacDisk&);
};

void PrintTo(const ReplaceCase& value, std::ostream* out) {
    *out << value.name;
}

class SafeReplaceTable : public SafeReplace, public testing::WithParamInterface<ReplaceCase> {};

TEST_P(SafeReplaceTable, TheCopyTakesThePlaceAndNothingElseStays) {
    GetParam().buildSource(disk);
    GetParam().buildTarget(disk);
    const auto source = SnapshotOf(disk.Path("new"));

    ASSERT_TRUE(Replace("old/Kelmo", "new/Kelmo")) << error;
    // The entries with their companions, without the folders that hold them.
    EXPECT_EQ(Below(SnapshotOf(disk.Path("old"))), Below(source));
    EXPECT_EQ(SnapshotOf(disk.Path("new")), source);
}

void FolderTree(FakeMacDisk& disk) {
    disk.AppBundle("new/Kelmo/Kelmo.app", "APPLqWt5");
    disk.TypedFile("new/Kelmo/Plan", "Tkmo", "qWt5", Storage::AppleDouble, "v2");
    disk.SymbolicLink("new/Kelmo/Latest", "Plan");
}
void OldFolder(FakeMacDisk& disk) {
    disk.File("old/Kelmo/Obsolete", "v1");
    disk.File("old/Kelmo/Plan", "v1");
}
void TypedFile(FakeMacDisk& disk) {
    disk.TypedFile("new/Kelmo", "Tkmo", "qWt5", Storage::AppleDouble, "v2");
}
void OldTypedFile(FakeMacDisk& disk) {
    disk.TypedFile("old/Kelmo", "TEXT", "ttxt", Storage::AppleDouble, "v1");
}
void PlainFile(FakeMacDisk& disk) {
    disk.File("new/Kelmo", "v2");
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SafeReplaceTable,
    testing::Values(ReplaceCase{"FolderOverFolder", FolderTree, OldFolder},
                    ReplaceCase{"FileOverFolder", TypedFile, OldFolder},
                    ReplaceCase{"FolderOverFile", FolderTree, OldTypedFile},
                    // The old entry's companion must not describe the new one.
                    ReplaceCase{"PlainFileOverTypedFile", PlainFile, OldTypedFile}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

TEST_F(SafeReplace, FailedCopyLeavesTheOldEntryWholeAndNoTemporary) {
    disk.File("new/Kelmo/Big", std::string(256 * 1024, 'x'));
    OldFolder(disk);
    const auto before = Below(SnapshotOf(disk.Path("old")));
    {
        const ScopedFileSizeLimit limit(64 * 1024);
        EXPECT_FALSE(Replace("old/Kelmo", "new/Kelmo"));
    }
    // The reason names the entry where the user will look for it.
    EXPECT_NE(
        error.find("「" + disk.Path("old/Kelmo/Big") + "」：ファイルが大きすぎて書き込めません。"),
        std::string::npos)
        << error;
    EXPECT_EQ(Below(SnapshotOf(disk.Path("old"))), before);
}

TEST_F(SafeReplace, RefusesTheSourceItselfReachedByAnotherPath) {
    disk.File("Applications/Kelmo/Plan", "only copy");
    disk.SymbolicLink("Elsewhere", "Applications");
    const auto before = SnapshotOf(disk.Path("Applications"));

    EXPECT_FALSE(Replace("Applications/Kelmo", "Elsewhere/Kelmo"));
    EXPECT_NE(error.find("置き換えません。"), std::string::npos) << error;
    EXPECT_EQ(SnapshotOf(disk.Path("Applications")), before);
}

TEST_F(SafeReplace, RefusesAnEntryThatHoldsTheSource) {
    disk.File("Applications/Kelmo/Kelmo/Plan", "only copy");
    const auto before = SnapshotOf(disk.Path("Applications"));

    EXPECT_FALSE(Replace("Applications/Kelmo", "Applications/Kelmo/Kelmo"));
    EXPECT_EQ(SnapshotOf(disk.Path("Applications")), before);
}

TEST_F(SafeReplace, RefusesADestinationInsideTheSource) {
    disk.File("Kelmo/Applications/Kelmo/Plan", "old");
    disk.File("Kelmo/Plan", "new");
    const auto before = SnapshotOf(disk.Path("Kelmo/Applications/Kelmo"));

    EXPECT_FALSE(Replace("Kelmo/Applications/Kelmo", "Kelmo"));
    EXPECT_EQ(SnapshotOf(disk.Path("Kelmo/Applications/Kelmo")), before);
    EXPECT_EQ(NamesIn(disk.Path("Kelmo/Applications")), std::vector<std::string>{"Kelmo"});
}

TEST_F(SafeReplace, MissingTargetOrSourceIsReportedWithItsPath) {
    disk.File("new/Kelmo", "v2");
    EXPECT_FALSE(Replace("old/Kelmo", "new/Kelmo"));
    EXPECT_NE(error.find("old/Kelmo"), std::string::npos) << error;
    disk.File("old/Tessaro", "v1");
    EXPECT_FALSE(Replace("old/Tessaro", "new/Tessaro"));
    EXPECT_NE(error.find("new/Tessaro"), std::string::npos) << error;
    EXPECT_EQ(ContentsOf(disk.Path("old/Tessaro")), "v1");
}

TEST_F(SafeReplace, ALinkedItemIsReplacedByWhatItPointsToAndALinkToNothingFails) {
    disk.File("Sync/Kelmo/Plan", "v2");
    disk.SymbolicLink("new/Kelmo", disk.Path("Sync/Kelmo"));
    disk.SymbolicLink("new/Tessaro", disk.Path("Sync/Gone"));
    OldFolder(disk);
    disk.File("old/Tessaro", "v1");

    ASSERT_TRUE(Replace("old/Kelmo", "new/Kelmo")) << error;
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(disk.Path("old/Kelmo"))));
    EXPECT_EQ(ContentsOf(disk.Path("old/Kelmo/Plan")), "v2");
    EXPECT_FALSE(Replace("old/Tessaro", "new/Tessaro"));
    EXPECT_EQ(error, "「" + disk.Path("new/Tessaro") + "」：リンク先が見つかりません。");
    EXPECT_EQ(ContentsOf(disk.Path("old/Tessaro")), "v1");
}

TEST_F(SafeReplace, ReadOnlyFoldersOfTheOldTreeGoWithTheScratch) {
    disk.File("new/Kelmo/Plan", "v2");
    disk.File("old/Kelmo/Locked/Plan", "v1");
    fs::permissions(disk.Path("old/Kelmo/Locked"), fs::perms(0555));
    {
        const ScopedOrdinaryFileRights ordinary;
        ASSERT_TRUE(Replace("old/Kelmo", "new/Kelmo")) << error;
    }
    EXPECT_EQ(NamesIn(disk.Path("old")), std::vector<std::string>{"Kelmo"});
    EXPECT_EQ(NamesIn(disk.Path("old/Kelmo")), std::vector<std::string>{"Plan"});
}

TEST_F(SafeReplace, NamesTooLongForACompanionHaveNone) {
    const std::string name(255, 'k');
    disk.File("new/" + name, "v2");
    disk.File("old/" + name, "v1");
    ASSERT_TRUE(Replace("old/" + name, "new/" + name)) << error;
    EXPECT_EQ(ContentsOf(disk.Path("old/" + name)), "v2");
}

} // namespace

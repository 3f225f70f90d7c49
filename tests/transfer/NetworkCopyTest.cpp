// STEP 3 of the network method: the ticked items go from the old machine's
// disk straight into this machine's folders.

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gui/Listbox.h"
#include "tests/support/FileFacts.h"
#include "tests/support/TreeSnapshot.h"
#include "tests/transfer/TransferTest.h"

namespace {

using Names = std::vector<std::string>;

class NetworkCopy : public TransferTest {
protected:
    void SetUp() override {
        TransferTest::SetUp();
        old = &Machine().AddVolume("Old Mac");
        InstallKelmo(*old, "Users/hanako");
        InstallTessaro(*old, "Users/hanako");
        old->AppBundle("Users/hanako/Desktop/Brisko.app", "APPLqWtm");
        old->TypedFile("Users/hanako/Documents/Plan", "Tbx3", "qWt1", Storage::AppleDouble, "plan");
    }

    // Picker, gathering on the old disk, the two items added by hand, STEP 3.
    void GatherFromOldDisk() {
        ChooseNetwork("hanako");
        PressNextAndWaitForScan();
        AddByHand(old->Item("Users/hanako/Desktop/Brisko.app"), true);
        AddByHand(old->Item("Users/hanako/Documents/Plan"), false);
        GoToCopyStep();
        ASSERT_EQ(wizard->PushButton2->Caption(), String("終了"));
    }
    void ChooseReplace(bool replace) {
        (replace ? wizard->RadioButton3 : wizard->RadioButton4)->SetValue(true);
    }
    void ExpectCopied(const std::string& original, const std::string& place) {
        EXPECT_EQ(SnapshotOf(old->Path(original)), SnapshotOf(DiskPath(place))) << place;
    }

    FakeMacDisk* old = nullptr;
};

class NetReplaceOrKeep : public NetworkCopy, public testing::WithParamInterface<bool> {};

TEST_P(NetReplaceOrKeep, EveryKindLandsInItsFolderAndTheOldDiskStaysAsItWas) {
    const bool replace = GetParam();
    Disk().File("Applications/Kelmo/Read Me", "Kelmo 4");
    const auto existingBefore = SnapshotOf(DiskPath("Applications/Kelmo"));
    const auto oldDiskBefore = SnapshotOf(old->Path());
    GatherFromOldDisk();
    ChooseReplace(replace);
    PressCopy();

    EXPECT_EQ(InstructionText(), texts::kNetDone);
    EXPECT_FALSE(wizard->PushButton5->Enabled());
    EXPECT_FALSE(wizard->PushButton7->Visible());
    EXPECT_FALSE(wizard->RadioButton3->Enabled());
    EXPECT_EQ(wizard->StaticText21->Text(), String(""));
    EXPECT_EQ(wizard->ProgressBar1->Value(), 7);
    EXPECT_EQ(caution.count, 0);
    if (replace)
        ExpectCopied("Applications/Kelmo", "Applications/Kelmo");
    else
        EXPECT_EQ(SnapshotOf(DiskPath("Applications/Kelmo")), existingBefore);
    ExpectCopied("Applications/Tessaro", "Applications/Tessaro");
    ExpectCopied("Users/hanako/Desktop/Brisko.app", "Applications/Brisko.app");
    ExpectCopied("Users/hanako/Library/Preferences/Kelmo初期設定",
                 Home("Library/Preferences/Kelmo初期設定"));
    ExpectCopied("Users/hanako/Library/Preferences/Tessaro初期設定",
                 Home("Library/Preferences/Tessaro初期設定"));
    ExpectCopied("Users/hanako/Library/Application Support/Kelmo",
                 Home("Library/Application Support/Kelmo"));
    ExpectCopied("Users/hanako/Documents/Plan", Home("Documents/Plan"));
    EXPECT_EQ(EntryNamesIn(DiskPath("Applications")), (Names{"Brisko.app", "Kelmo", "Tessaro"}));
    EXPECT_FALSE(std::filesystem::exists(TransferPath()));
    EXPECT_EQ(SnapshotOf(old->Path()), oldDiskBefore);
}

INSTANTIATE_TEST_SUITE_P(Choices, NetReplaceOrKeep, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Replace" : "Keep";
                         });

TEST_F(NetworkCopy, OldDiskGoneBeforeTheCopyIsReportedNotCompleted) {
    GatherFromOldDisk();
    std::filesystem::rename(old->Path(), old->Path() + " gone");
    ChooseReplace(true);
    ExpectCaution();
    PressCopy();

    EXPECT_EQ(caution.message, "ネットコピーできなかったアイテムがあります。");
    EXPECT_TRUE(caution.explanation.starts_with(
        "Kelmo\nKelmo初期設定\nKelmo\nTessaro\nTessaro初期設定\nBrisko.app\nPlan\n\n原因：「"))
        << caution.explanation;
    EXPECT_TRUE(caution.explanation.ends_with("」が見つかりません。")) << caution.explanation;
    EXPECT_EQ(InstructionText(), texts::kNetIncomplete);
    EXPECT_TRUE(wizard->PushButton5->Enabled());
    EXPECT_TRUE(wizard->PushButton7->Enabled());
    EXPECT_EQ(wizard->ProgressBar1->Maximum(), 0);
    EXPECT_TRUE(wizard->RadioButton3->Enabled());
    EXPECT_TRUE(wizard->RadioButton4->Enabled());
    EXPECT_EQ(EntryNamesIn(DiskPath("Applications")), Names{});
    std::filesystem::rename(old->Path() + " gone", old->Path());
}

class SourceIsDestination : public NetworkCopy, public testing::WithParamInterface<bool> {};

TEST_P(SourceIsDestination, TheEntryIsNeverDeleted) {
    const bool replace = GetParam();
    InstallKelmo(Disk(), Machine().Home());
    const auto before = SnapshotOf(DiskPath("Applications/Kelmo"));
    ChooseNetwork("hanako");
    PressNextAndWaitForScan();
    // This machine's own application, chosen by hand.
    AddByHand(Disk().Item("Applications/Kelmo"), true);
    // Only the row of that item stays ticked.
    Listbox& list = List();
    for (int row = 0; row < list.ListCount(); ++row) {
        const auto index = static_cast<std::size_t>(Val(list.Cell(row, 2)));
        list.SetCellCheck(row, 0,
                          list.Cell(row, 1) != "" && wizard->pFI[index].item.AbsolutePath() ==
                                                         String(DiskPath("Applications/Kelmo")));
    }
    GoToCopyStep();
    ChooseReplace(replace);
    if (replace)
        ExpectCaution();
    PressCopy();

    EXPECT_EQ(SnapshotOf(DiskPath("Applications/Kelmo")), before);
    EXPECT_EQ(NamesIn(DiskPath("Applications")), Names{"Kelmo"});
    if (replace) {
        EXPECT_EQ(InstructionText(), texts::kNetIncomplete);
        EXPECT_NE(caution.explanation.find("置き換えません。"), std::string::npos)
            << caution.explanation;
    } else {
        EXPECT_EQ(InstructionText(), texts::kNetDone);
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, SourceIsDestination, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Replace" : "Keep";
                         });

TEST_F(NetworkCopy, AStoppedCopyOffersTheChoiceAgain) {
    GatherFromOldDisk();
    ChooseReplace(true);
    StartCopy();
    WaitForStatus(*wizard->StaticText21);
    EXPECT_FALSE(wizard->RadioButton3->Enabled());
    wizard->PushButton5->Push();
    WaitForRunEnd();

    EXPECT_EQ(InstructionText(), texts::kNetStopped);
    EXPECT_TRUE(wizard->RadioButton3->Enabled());
    EXPECT_TRUE(wizard->RadioButton4->Enabled());
}

TEST_F(NetworkCopy, WithoutAnOverwriteChoiceNothingStarts) {
    GatherFromOldDisk();
    ExpectCaution();
    wizard->PushButton5->Push();

    EXPECT_EQ(caution.message, texts::kNoChoice);
    EXPECT_EQ(caution.explanation, "どちらかを選択して下さい。");
    EXPECT_FALSE(wizard->pRunningCP);
    EXPECT_EQ(wizard->PushButton5->Caption(), String("コピー"));
    EXPECT_EQ(EntryNamesIn(DiskPath("Applications")), Names{});
}

} // namespace

namespace {

class NetSameName : public NetworkCopy,
                    public testing::WithParamInterface<std::tuple<bool, SameNameCase>> {};

TEST_P(NetSameName, ASecondItemOfANameCopiedInTheSameRunIsAFailureAndTheFirstStays) {
    const auto& [replace, row] = GetParam();
    old->TypedFile(std::string("Elsewhere/A/") + row.first, "Tbx3", "qWt1",
                   Storage::ExtendedAttribute, "first");
    old->TypedFile(std::string("Elsewhere/B/") + row.second, "Tbx3", "qWt1",
                   Storage::ExtendedAttribute, "second");
    ChooseNetwork("hanako");
    PressNextAndWaitForScan();
    AddByHand(old->Item(std::string("Elsewhere/A/") + row.first), false);
    AddByHand(old->Item(std::string("Elsewhere/B/") + row.second), false);
    GoToCopyStep();
    ChooseReplace(replace);
    ExpectCaution();
    PressCopy();

    const std::string first = DiskPath(Home(std::string("Documents/") + row.first));
    EXPECT_EQ(caution.explanation, std::string(row.second) + "\n\n原因：" + SameRunFailure(first));
    EXPECT_EQ(ContentsOf(first), "first");
    EXPECT_EQ(InstructionText(), texts::kNetIncomplete);
}

INSTANTIATE_TEST_SUITE_P(Choices, NetSameName,
                         testing::Combine(testing::Bool(), testing::ValuesIn(kSameNames)),
                         [](const testing::TestParamInfo<std::tuple<bool, SameNameCase>>& info) {
                             return std::string(std::get<0>(info.param) ? "Replace" : "Keep") +
                                    std::get<1>(info.param).name;
                         });

TEST_F(NetworkCopy, KeptEntriesOfTheNewMacAreNoneThatTheRunMade) {
    Disk().File(Home("Documents/Plan"), "the new Mac's");
    old->TypedFile("Elsewhere/A/Plan", "Tbx3", "qWt1", Storage::ExtendedAttribute, "first");
    old->TypedFile("Elsewhere/B/Plan", "Tbx3", "qWt1", Storage::ExtendedAttribute, "second");
    ChooseNetwork("hanako");
    PressNextAndWaitForScan();
    AddByHand(old->Item("Elsewhere/A/Plan"), false);
    AddByHand(old->Item("Elsewhere/B/Plan"), false);
    GoToCopyStep();
    ChooseReplace(false);
    PressCopy();

    EXPECT_EQ(caution.count, 0) << caution.explanation;
    EXPECT_EQ(InstructionText(), texts::kNetDone);
    EXPECT_EQ(ContentsOf(DiskPath(Home("Documents/Plan"))), "the new Mac's");
}

// A gathered folder of the old disk that is a link: read as the old Mac reads
// it, never as a path of this machine.
struct LinkedItemCase {
    const char* name;
    const char* target;
    bool arrives;
};

void PrintTo(const LinkedItemCase& value, std::ostream* out) {
    *out << value.name;
}

class NetLinkedItem : public NetworkCopy, public testing::WithParamInterface<LinkedItemCase> {};

TEST_P(NetLinkedItem, IsWhatItPointsToOnTheOldDiskOrANamedFailure) {
    const std::string preferences = "Users/hanako/Library/Preferences/Kelmo初期設定";
    old->Folder("Sync");
    std::filesystem::rename(old->Path(preferences), old->Path("Sync/Kelmo初期設定"));
    old->SymbolicLink(preferences, GetParam().target);
    Disk().File(Home("Library/Preferences/Kelmo初期設定/mine"), "the new Mac's");
    GatherFromOldDisk();
    ChooseReplace(true);
    if (!GetParam().arrives)
        ExpectCaution();
    PressCopy();

    const std::string copy = DiskPath(Home("Library/Preferences/Kelmo初期設定"));
    if (GetParam().arrives) {
        EXPECT_EQ(InstructionText(), texts::kNetDone);
        EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::symlink_status(copy)));
        ExpectCopied("Sync/Kelmo初期設定", Home("Library/Preferences/Kelmo初期設定"));
    } else {
        EXPECT_EQ(caution.explanation, "Kelmo初期設定\n\n原因：「" + old->Path(preferences) +
                                           "」：リンク先が、このディスクの外にあります。");
        EXPECT_EQ(ContentsOf(copy + "/mine"), "the new Mac's");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, NetLinkedItem,
    testing::Values(LinkedItemCase{"AbsoluteOnTheOldMac", "/Sync/Kelmo初期設定", true},
                    LinkedItemCase{"Relative", "../../../../Sync/Kelmo初期設定", true},
                    LinkedItemCase{"OutOfTheOldDisk", "../../../../../Sync/Kelmo初期設定", false}),
    [](const testing::TestParamInfo<LinkedItemCase>& info) { return info.param.name; });

} // namespace

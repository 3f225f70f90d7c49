// STEP 3 on the old machine, external device: the copy of the ticked items
// into the transfer folder, driven through the wizard's buttons.

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "gather/Window2.h"
#include "platform/files/TestSeams.h"
#include "platform/gui/Application.h"
#include "platform/threads/Cooperative.h"
#include "tests/support/TreeSnapshot.h"
#include "tests/transfer/ScopedUnreadableFile.h"
#include "tests/transfer/TransferTest.h"

namespace {

using Names = std::vector<std::string>;

class DeviceCopy : public TransferTest {
protected:
    void SetUp() override {
        TransferTest::SetUp();
        InstallKelmo(Disk(), Machine().Home());
        InstallTessaro(Disk(), Machine().Home());
    }

    void ExpectCopied(const std::string& subFolder, const std::string& name,
                      const std::string& original) {
        EXPECT_EQ(SnapshotOf(TransferPath(subFolder + "/" + name)), SnapshotOf(DiskPath(original)))
            << subFolder << "/" << name;
    }
    void ExpectRunEndState() {
        EXPECT_FALSE(wizard->ProgressBar1->Visible());
        EXPECT_EQ(wizard->PushButton5->Caption(), String("コピー"));
        EXPECT_TRUE(wizard->StaticText10->Enabled());
        EXPECT_TRUE(wizard->PushButton2->Enabled());
        EXPECT_EQ(wizard->PushButton2->Caption(), String("終了"));
        EXPECT_EQ(wizard->StaticText21->Text(), String(""));
        EXPECT_FALSE(wizard->pRunningCP);
    }
    void ExpectCompleted() {
        ExpectRunEndState();
        EXPECT_EQ(InstructionText(), texts::kCopyDone);
        EXPECT_FALSE(wizard->PushButton5->Enabled());
        EXPECT_FALSE(wizard->PushButton7->Visible());
        EXPECT_FALSE(wizard->pIncompleteCP);
        EXPECT_EQ(caution.count, 0);
    }
    // Stopped or incomplete: Copy and Back can be pressed again.
    void ExpectCopyCanBeRepeated(const std::string& instruction) {
        ExpectRunEndState();
        EXPECT_EQ(InstructionText(), instruction);
        EXPECT_TRUE(wizard->PushButton5->Enabled());
        EXPECT_TRUE(wizard->PushButton7->Visible());
        EXPECT_TRUE(wizard->PushButton7->Enabled());
    }
    std::string KelmoPath() const { return DiskPath("Applications/Kelmo"); }
};

// How the user leaves the ticks before pressing Copy, and what the transfer
// folder then holds.
struct TickCase {
    const char* name;
    void (*setTicks)(Listbox& list);
    std::map<std::string, Names> transferFolder;
};

void PrintTo(const TickCase& value, std::ostream* out) {
    *out << value.name;
}

class Ticks : public DeviceCopy, public testing::WithParamInterface<TickCase> {};

TEST_P(Ticks, TransferFolderHoldsTheTickedItemsWhole) {
    GatherByDevice();
    GoToCopyStep();
    GetParam().setTicks(List());
    PressCopy();

    ExpectCompleted();
    const auto& expected = GetParam().transferFolder;
    Names subFolders{kTransferMark};
    int items = 0;
    for (const auto& [subFolder, names] : expected) {
        subFolders.push_back(subFolder);
        EXPECT_EQ(NamesIn(TransferPath(subFolder)), names) << subFolder;
        items += static_cast<int>(names.size());
    }
    EXPECT_EQ(NamesIn(TransferPath()), subFolders);
    EXPECT_EQ(wizard->ProgressBar1->Maximum(), items);
    EXPECT_EQ(wizard->ProgressBar1->Value(), items);
    const std::map<std::string, std::string> originals{
        {"App/Kelmo", "Applications/Kelmo"},
        {"App/Tessaro", "Applications/Tessaro"},
        {"Pref/Kelmo初期設定", Home("Library/Preferences/Kelmo初期設定")},
        {"Pref/Tessaro初期設定", Home("Library/Preferences/Tessaro初期設定")},
        {"AS/Kelmo", Home("Library/Application Support/Kelmo")}};
    for (const auto& [subFolder, names] : expected)
        for (const auto& name : names)
            ExpectCopied(subFolder, name, originals.at(subFolder + "/" + name));
}

const std::map<std::string, Names> kEverything{{"AS", {"Kelmo"}},
                                               {"App", {"Kelmo", "Tessaro"}},
                                               {"Pref", {"Kelmo初期設定", "Tessaro初期設定"}}};

INSTANTIATE_TEST_SUITE_P(
    Device, Ticks,
    testing::Values(
        TickCase{"AllTicked", [](Listbox&) {}, kEverything},
        TickCase{
            "ItemRowUntickedUnderTickedGroup",
            [](Listbox& list) { list.SetCellCheck(RowOf(list, "Kelmo初期設定", "P"), 0, false); },
            {{"AS", {"Kelmo"}}, {"App", {"Kelmo", "Tessaro"}}, {"Pref", {"Tessaro初期設定"}}}},
        // Copy expands every row again, and a GroupRow's new ItemRows are ticked.
        TickCase{"CollapsedGroupUnticked",
                 [](Listbox& list) {
                     const int group = RowOf(list, "Tessaro", "");
                     list.SetExpanded(group, false);
                     list.SetCellCheck(group, 0, false);
                 },
                 kEverything},
        TickCase{"TickedGroupWithoutTickedItems",
                 [](Listbox& list) {
                     list.SetCellCheck(RowOf(list, "Tessaro", "AD"), 0, false);
                     list.SetCellCheck(RowOf(list, "Tessaro初期設定", "P"), 0, false);
                 },
                 {{"AS", {"Kelmo"}}, {"App", {"Kelmo"}}, {"Pref", {"Kelmo初期設定"}}}},
        TickCase{"UntickedGroupAboveTickedItems",
                 [](Listbox& list) { list.SetCellCheck(RowOf(list, "Kelmo", ""), 0, false); },
                 kEverything}),
    [](const testing::TestParamInfo<TickCase>& info) { return info.param.name; });

TEST_F(DeviceCopy, ItemOnTwoRowsIsCopiedOnce) {
    GatherByDevice();
    AddByHand(Disk().Item("Applications/Kelmo"), true);
    ASSERT_EQ(List().ListCount(), 11);
    GoToCopyStep();
    PressCopy();

    ExpectCompleted();
    EXPECT_EQ(NamesIn(TransferPath("App")), (Names{"Kelmo", "Tessaro"}));
    EXPECT_EQ(wizard->ProgressBar1->Maximum(), 5);
}

TEST_F(DeviceCopy, EmptyListLeavesAnEmptyTransferFolder) {
    std::filesystem::remove_all(DiskPath("Applications/Kelmo"));
    std::filesystem::remove_all(DiskPath("Applications/Tessaro"));
    EverySubFolder(device);
    device.File("temp/App/Left Over/Plan", "from an earlier run");
    GatherByDevice();
    GoToCopyStep();
    PressCopy();

    ExpectCompleted();
    EXPECT_TRUE(device.Item("temp").Directory());
    EXPECT_EQ(NamesIn(TransferPath()), Names{kTransferMark});
    EXPECT_EQ(wizard->ProgressBar1->Maximum(), 0);
}

// A "temp" that the assistant did not make, as the user may keep one beside it.
struct ForeignTempCase {
    const char* name;
    void (*make)(FakeMacDisk& device);
    bool unreadable = false;
};

void PrintTo(const ForeignTempCase& value, std::ostream* out) {
    *out << value.name;
}

class ForeignTemp : public DeviceCopy, public testing::WithParamInterface<ForeignTempCase> {};

TEST_P(ForeignTemp, IsLeftUntouchedAndCopyCanBePressedAgain) {
    GetParam().make(device);
    const auto before = SnapshotOf(TransferPath());
    GatherByDevice();
    GoToCopyStep();
    const std::string instruction = InstructionText();
    ExpectCaution();
    {
        std::optional<ScopedUnreadableFile> unreadable;
        if (GetParam().unreadable)
            unreadable.emplace(TransferPath());
        wizard->PushButton5->Push();
        WaitForRunEnd();
    }

    EXPECT_EQ(caution.message,
              "外部デバイスに、本ソフトウェアが作成したものではない「temp」フォルダがあります。");
    EXPECT_EQ(caution.explanation, "「temp」フォルダの名前を変えるか別の場所へ移してから、"
                                   "再度コピーボタンを押してください。");
    EXPECT_EQ(SnapshotOf(TransferPath()), before);
    EXPECT_EQ(InstructionText(), instruction);
    EXPECT_EQ(wizard->PushButton5->Caption(), String("コピー"));
    EXPECT_TRUE(wizard->PushButton5->Enabled());
    EXPECT_TRUE(wizard->PushButton7->Enabled());
    EXPECT_FALSE(wizard->ProgressBar1->Visible());
    // Nothing was copied: a quit must not mark the device for the paste.
    EXPECT_TRUE(wizard->pIncompleteCP);

    std::filesystem::rename(TransferPath(), device.Path("temp (mine)"));
    caution = {};
    PressCopy();
    ExpectCompleted();
    EXPECT_EQ(SnapshotOf(device.Path("temp (mine)")), before);
}

INSTANTIATE_TEST_SUITE_P(
    Device, ForeignTemp,
    testing::Values(
        ForeignTempCase{"UserFile", [](FakeMacDisk& d) { d.File("temp/Letter", "mine"); }},
        ForeignTempCase{"FileBesideASubFolder",
                        [](FakeMacDisk& d) {
                            d.File("temp/Doc/Plan", "mine");
                            d.File("temp/.notes", "mine");
                        }},
        ForeignTempCase{"PlainFile", [](FakeMacDisk& d) { d.File("temp", "mine"); }},
        ForeignTempCase{"OnlyADocFolder",
                        [](FakeMacDisk& d) { d.File("temp/Doc/Thesis/Chapter 1", "mine"); }},
        ForeignTempCase{"DocAsAFile",
                        [](FakeMacDisk& d) {
                            EverySubFolder(d);
                            std::filesystem::remove(d.Path("temp/Doc"));
                            d.File("temp/Doc", "mine");
                        }},
        ForeignTempCase{"OtherFoldersOnly",
                        [](FakeMacDisk& d) {
                            d.File("temp/Letters/Draft", "mine");
                            d.Folder("temp/Photos");
                        }},
        ForeignTempCase{"Unreadable", EverySubFolder, true}),
    [](const testing::TestParamInfo<ForeignTempCase>& info) { return info.param.name; });

// An earlier version's transfer folder, without the mark, as a Mac's Finder leaves it.
TEST_F(DeviceCopy, AnUnmarkedTransferFolderThatTheFinderOpenedIsEmptied) {
    EverySubFolder(device);
    device.File("temp/Doc/Old Plan", "an earlier copy");
    device.File("temp/.DS_Store", "view");
    device.File("temp/.localized");
    device.TypedFile("temp/App/Old", "Tkmo", "qWt5", Storage::AppleDouble);
    device.SetFinderInfo("temp/Doc", "", "", 0, Storage::AppleDouble);
    GatherByDevice();
    GoToCopyStep();
    PressCopy();

    ExpectCompleted();
    EXPECT_FALSE(device.Item("temp/Doc/Old Plan").Exists());
    EXPECT_FALSE(device.Item("temp/.DS_Store").Exists());
}

TEST_F(DeviceCopy, StatusLineNamesTheItemBeingCopied) {
    GatherByDevice();
    GoToCopyStep();
    StartCopy();
    WaitForStatus(*wizard->StaticText21);
    EXPECT_EQ(wizard->PushButton5->Caption(), String("中止"));
    EXPECT_FALSE(wizard->PushButton7->Enabled());
    EXPECT_EQ(InstructionText(), "コピー中です。コピー終了まで数分かかる場合があります。");
    EXPECT_TRUE(wizard->ProgressBar1->Visible());
    EXPECT_EQ(wizard->StaticText21->Text().ToUTF8(), KelmoPath() + " をコピー中...");
    WaitForRunEnd();
    ExpectCompleted();
}

TEST_F(DeviceCopy, StopAfterTheFirstItemLeavesItAlone) {
    GatherByDevice();
    GoToCopyStep();
    StartCopy();
    WaitForStatus(*wizard->StaticText21);
    wizard->PushButton5->Push();
    EXPECT_TRUE(wizard->pStopThread1);
    WaitForRunEnd();

    ExpectCopyCanBeRepeated(texts::kCopyStopped);
    EXPECT_EQ(NamesIn(TransferPath()), (Names{kTransferMark, "App"}));
    EXPECT_EQ(NamesIn(TransferPath("App")), Names{"Kelmo"});
    EXPECT_EQ(wizard->ProgressBar1->Value(), 1);
    EXPECT_EQ(caution.count, 0);
}

// A slow disk: each chunk of a file's data takes a tenth of a second. The
// event loop is woken to see the count.
std::atomic<int> gChunksCopied{0};
void SlowChunk() {
    ++gChunksCopied;
    coop::WakeWaitingThreads();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

TEST_F(DeviceCopy, StopDuringALongItemEndsTheRunWithinASecondLeavingNoHalfItem) {
    // Some thirty chunks: three seconds and more to copy whole.
    const int movie = open(DiskPath("Applications/Kelmo/Movie").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(ftruncate(movie, 128LL << 20), 0);
    close(movie);
    GatherByDevice();
    GoToCopyStep();
    gChunksCopied = 0;
    files::seams::SetAfterCopyChunk(SlowChunk);
    StartCopy();
    WaitUntil([] { return gChunksCopied > 0; });
    const auto pressed = std::chrono::steady_clock::now();
    wizard->PushButton5->Push();
    WaitForRunEnd();
    const auto took = std::chrono::steady_clock::now() - pressed;
    files::seams::SetAfterCopyChunk(nullptr);

    EXPECT_LT(took, std::chrono::seconds(1));
    ExpectCopyCanBeRepeated(texts::kCopyStopped);
    // Neither the item nor its temporary copy is there; the stop is no failure.
    EXPECT_EQ(NamesIn(TransferPath("App")), Names{});
    EXPECT_EQ(caution.count, 0);
}

TEST_F(DeviceCopy, RunAfterAStopEmptiesTheFolderAndCopiesEveryItem) {
    GatherByDevice();
    GoToCopyStep();
    StartCopy();
    // Stopped while the second item is on its way: the first one stays marked as handled.
    const std::string second =
        DiskPath(Home("Library/Preferences/Kelmo初期設定")) + " をコピー中...";
    WaitUntil([&] { return wizard->StaticText21->Text().ToUTF8() == second; });
    wizard->PushButton5->Push();
    WaitForRunEnd();
    ASSERT_EQ(InstructionText(), texts::kCopyStopped);
    device.File("temp/App/Stray", "not gathered");

    PressCopy();
    ExpectCompleted();
    EXPECT_EQ(wizard->ProgressBar1->Maximum(), 5);
    EXPECT_EQ(NamesIn(TransferPath("App")), (Names{"Kelmo", "Tessaro"}));
    EXPECT_EQ(NamesIn(TransferPath("Pref")), (Names{"Kelmo初期設定", "Tessaro初期設定"}));
    EXPECT_EQ(NamesIn(TransferPath("AS")), Names{"Kelmo"});
}

TEST_F(DeviceCopy, QuitAfterACompletedCopyMarksEveryAssistantBundle) {
    CopyToDevice();
    ExpectCompleted();
    QuitWithNext();
    EXPECT_TRUE(HasMarker(kBundle));
    EXPECT_TRUE(HasMarker(kSecondBundle));
    EXPECT_EQ(question.count, 0);
}

class QuitWhileCopying : public DeviceCopy, public testing::WithParamInterface<bool> {};

TEST_P(QuitWhileCopying, AsksAndNeverMarksAnUnfinishedCopy) {
    const bool forceQuit = GetParam();
    GatherByDevice();
    GoToCopyStep();
    StartCopy();
    WaitForStatus(*wizard->StaticText21);
    AnswerQuitQuestion(forceQuit);
    Quit();

    EXPECT_EQ(question.count, 1);
    EXPECT_EQ(question.message, texts::kRunningQuestion);
    EXPECT_EQ(QuitCount(), forceQuit ? 1 : 0);
    EXPECT_FALSE(HasMarker());
    WaitForRunEnd();
    EXPECT_FALSE(HasMarker());
    if (!forceQuit) {
        // The run went on to its end; now the quit marks the folder done.
        ExpectCompleted();
        QuitWithNext();
        EXPECT_TRUE(HasMarker());
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, QuitWhileCopying, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "ForceQuit" : "Stay";
                         });

} // namespace

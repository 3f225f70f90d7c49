// Items that the copy to the device can't copy: the run goes on, reports
// them with the cause, and never counts as complete.

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/files/TestSeams.h"
#include "platform/gui/Application.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScopedFileSizeLimit.h"
#include "tests/support/ScopedImmutableEntry.h"
#include "tests/support/ScopedOrdinaryFileRights.h"
#include "tests/support/TreeSnapshot.h"
#include "tests/transfer/ScopedUnreadableFile.h"
#include "tests/transfer/TransferTest.h"

namespace {

using Names = std::vector<std::string>;

enum class Injection { UnreadableFile, WriteLimit, ItemGone, FileSwappedForAPipe };

// The file that another process swaps for a named pipe between the copy's
// listing of its folder and its open, and where it keeps the file meanwhile.
std::string gSwapped;
std::string gAside;

void SwapForAPipe(const std::string& path) {
    if (path != gSwapped)
        return;
    std::filesystem::rename(gSwapped, gAside);
    ASSERT_EQ(mkfifo(gSwapped.c_str(), 0644), 0);
}

struct FailureCase {
    const char* name;
    Injection injection;
    const char* cause; // what the caution's reason says
};

void PrintTo(const FailureCase& value, std::ostream* out) {
    *out << value.name;
}

class CopyFailures : public TransferTest {
protected:
    void SetUp() override {
        TransferTest::SetUp();
        InstallKelmo(Disk(), Machine().Home());
        InstallTessaro(Disk(), Machine().Home());
        Disk().File("Applications/Kelmo/Movie", std::string(2 << 20, 'k'));
    }
};

class CopyFailure : public CopyFailures, public testing::WithParamInterface<FailureCase> {
protected:
    // Makes Kelmo's application folder fail to copy until the cause is removed.
    void Inject() {
        switch (GetParam().injection) {
        case Injection::UnreadableFile:
            unreadable.emplace(DiskPath("Applications/Kelmo/Movie"));
            break;
        case Injection::WriteLimit:
            limit.emplace(1 << 20);
            break;
        case Injection::ItemGone:
            std::filesystem::rename(DiskPath("Applications/Kelmo"), DiskPath("Kelmo moved"));
            break;
        case Injection::FileSwappedForAPipe:
            gSwapped = DiskPath("Applications/Kelmo/Movie");
            gAside = DiskPath("Movie aside");
            files::seams::SetBeforeCopyOpen(SwapForAPipe);
            break;
        }
    }
    void RemoveCause() {
        unreadable.reset();
        limit.reset();
        if (GetParam().injection == Injection::ItemGone)
            std::filesystem::rename(DiskPath("Kelmo moved"), DiskPath("Applications/Kelmo"));
        if (GetParam().injection == Injection::FileSwappedForAPipe) {
            files::seams::SetBeforeCopyOpen(nullptr);
            std::filesystem::rename(gAside, gSwapped);
        }
    }

    std::optional<ScopedUnreadableFile> unreadable;
    std::optional<ScopedFileSizeLimit> limit;
};

TEST_P(CopyFailure, IsReportedWithItsCauseAndTheCopyCanBeMadeAgain) {
    GatherByDevice();
    GoToCopyStep();
    Inject();
    ExpectCaution();
    PressCopy();
    RemoveCause();

    EXPECT_EQ(caution.count, 1);
    EXPECT_EQ(caution.message, "コピーできなかったアイテムがあります。");
    EXPECT_TRUE(caution.explanation.starts_with("Kelmo\n\n原因：")) << caution.explanation;
    EXPECT_NE(caution.explanation.find(GetParam().cause), std::string::npos) << caution.explanation;
    EXPECT_EQ(InstructionText(), texts::kCopyIncomplete);
    EXPECT_TRUE(wizard->PushButton5->Enabled());
    EXPECT_EQ(wizard->PushButton5->Caption(), String("コピー"));
    EXPECT_TRUE(wizard->PushButton7->Visible());
    EXPECT_TRUE(wizard->PushButton7->Enabled());
    EXPECT_EQ(wizard->PushButton2->Caption(), String("終了"));
    EXPECT_TRUE(wizard->pIncompleteCP);
    // Nothing of the failed item is left, not even a hidden temporary; the others are there.
    EXPECT_EQ(NamesIn(TransferPath("App")), Names{"Tessaro"});
    EXPECT_EQ(EntryNamesIn(TransferPath("Pref")), (Names{"Kelmo初期設定", "Tessaro初期設定"}));
    EXPECT_EQ(EntryNamesIn(TransferPath("AS")), Names{"Kelmo"});

    // Quitting now would take the transfer folder for done: the guard asks.
    AnswerQuitQuestion(false);
    Quit();
    EXPECT_EQ(question.message, texts::kCopyFailedQuestion);
    EXPECT_EQ(QuitCount(), 0);
    EXPECT_FALSE(HasMarker());

    PressCopy();
    EXPECT_EQ(InstructionText(), texts::kCopyDone);
    EXPECT_FALSE(wizard->pIncompleteCP);
    EXPECT_EQ(caution.count, 1);
    EXPECT_EQ(EntryNamesIn(TransferPath("App")), (Names{"Kelmo", "Tessaro"}));
    QuitWithNext();
    EXPECT_EQ(question.count, 1);
    EXPECT_TRUE(HasMarker());
}

INSTANTIATE_TEST_SUITE_P(
    Causes, CopyFailure,
    testing::Values(FailureCase{"UnreadableFile", Injection::UnreadableFile,
                                "Movie」：アクセス権がありません。"},
                    FailureCase{"WriteLimit", Injection::WriteLimit,
                                "Movie」：ファイルが大きすぎて書き込めません。"},
                    FailureCase{"ItemGone", Injection::ItemGone,
                                "/Applications/Kelmo」が見つかりません。"},
                    FailureCase{"FileSwappedForAPipe", Injection::FileSwappedForAPipe,
                                "Movie」：デバイスファイル、パイプ、ソケットはコピーしません。"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

class SameNameCopy : public CopyFailures, public testing::WithParamInterface<SameNameCase> {};

TEST_P(SameNameCopy, SecondItemIsReportedAndTheFirstKept) {
    const SameNameCase& row = GetParam();
    Disk().TypedFile(std::string("Elsewhere/A/") + row.first, "Tbx3", "qWt1",
                     Storage::ExtendedAttribute, "first");
    Disk().TypedFile(std::string("Elsewhere/B/") + row.second, "Tbx3", "qWt1",
                     Storage::ExtendedAttribute, "second");
    GatherByDevice();
    AddByHand(Disk().Item(std::string("Elsewhere/A/") + row.first), false);
    AddByHand(Disk().Item(std::string("Elsewhere/B/") + row.second), false);
    GoToCopyStep();
    ExpectCaution();
    PressCopy();

    const std::string first = TransferPath(std::string("Doc/") + row.first);
    EXPECT_EQ(caution.explanation, std::string(row.second) + "\n\n原因：" + SameRunFailure(first));
    EXPECT_EQ(ContentsOf(first), "first");
    EXPECT_EQ(NamesIn(TransferPath("Doc")), Names{row.first});
    EXPECT_EQ(InstructionText(), texts::kCopyIncomplete);
}

INSTANTIATE_TEST_SUITE_P(Names, SameNameCopy, testing::ValuesIn(kSameNames), SameNameCaseName);

TEST_F(CopyFailures, TransferFolderThatCanNotBeEmptiedIsReported) {
    EverySubFolder(device);
    device.File("temp/App/Stuck", "from an earlier run");
    const ScopedImmutableEntry stuck(TransferPath("App/Stuck"));
    if (!stuck.Set())
        GTEST_SKIP() << "no immutable flag here: it takes root and a file system that keeps it";
    GatherByDevice();
    GoToCopyStep();
    ExpectCaution();
    PressCopy();

    EXPECT_EQ(caution.explanation, "temp\n\n原因：「" + TransferPath() + "」を空にできません。");
    EXPECT_EQ(InstructionText(), texts::kCopyIncomplete);
    EXPECT_TRUE(wizard->pIncompleteCP);
}

TEST_F(CopyFailures, AReadOnlyFolderOfAnEarlierCopyIsEmptied) {
    EverySubFolder(device);
    device.File("temp/App/Kelmo/Locked/inside", "from an earlier run");
    std::filesystem::permissions(TransferPath("App/Kelmo/Locked"), std::filesystem::perms(0555));
    GatherByDevice();
    GoToCopyStep();
    {
        const ScopedOrdinaryFileRights ordinary;
        PressCopy();
    }

    EXPECT_EQ(InstructionText(), texts::kCopyDone);
    EXPECT_FALSE(std::filesystem::exists(TransferPath("App/Kelmo/Locked")));
}

TEST_F(CopyFailures, APipeAddedByHandIsNamedAsOne) {
    Disk().Folder("Elsewhere");
    ASSERT_EQ(mkfifo(DiskPath("Elsewhere/Plan").c_str(), 0600), 0);
    Disk().SetFinderInfo("Elsewhere/Plan", "Tbx3", "qWt1", 0, Storage::AppleDouble);
    GatherByDevice();
    AddByHand(Disk().Item("Elsewhere/Plan"), false);
    GoToCopyStep();
    ExpectCaution();
    PressCopy();

    EXPECT_EQ(caution.explanation, "Plan\n\n原因：「" + DiskPath("Elsewhere/Plan") +
                                       "」：デバイスファイル、パイプ、ソケットはコピーしません。");
    EXPECT_EQ(InstructionText(), texts::kCopyIncomplete);
}

TEST_F(CopyFailures, APipeInAnItemIsLeftOutAndNamedAndTheRestArrives) {
    ASSERT_EQ(mkfifo(DiskPath("Applications/Kelmo/pipe").c_str(), 0600), 0);
    GatherByDevice();
    GoToCopyStep();
    ExpectCaution();
    PressCopy();

    EXPECT_EQ(caution.explanation, "Kelmo\n\n原因：「" + DiskPath("Applications/Kelmo/pipe") +
                                       "」：デバイスファイル、パイプ、ソケットはコピーしません。");
    EXPECT_EQ(InstructionText(), texts::kCopyIncomplete);
    EXPECT_EQ(NamesIn(TransferPath("App")), (Names{"Kelmo", "Tessaro"}));
    EXPECT_EQ(ContentsOf(TransferPath("App/Kelmo/Movie")), std::string(2 << 20, 'k'));
    EXPECT_FALSE(std::filesystem::exists(TransferPath("App/Kelmo/pipe")));
}

} // namespace

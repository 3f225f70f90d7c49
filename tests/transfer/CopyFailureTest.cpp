// Items that the copy to the device can't copy: the run goes on, reports
// them with the cause, and never counts as complete.

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

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

enum class Injection { UnreadableFile, WriteLimit, ItemGone };

struct FailureCase {
    const char* name;
    Injection injection;
    const char* cause; // what the caution's reason says
};

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
        }
    }
    void RemoveCause() {
        unreadable.reset();
        limit.reset();
        if (GetParam().injection == Injection::ItemGone)
            std::filesystem::rename(DiskPath("Kelmo moved"), DiskPath("Applications/Kelmo"));
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
                                "Movie」：アクセスの権限がありません。"},
                    FailureCase{"WriteLimit", Injection::WriteLimit,
                                "Movie」：ファイルが大きすぎて書き込めません。"},
                    FailureCase{"ItemGone", Injection::ItemGone,
                                "/Applications/Kelmo」が見つかりません。"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(CopyFailures, SecondItemOfTheSameNameIsReportedAndTheFirstKept) {
    Disk().TypedFile("Elsewhere/A/Plan", "Tbx3", "qWt1", Storage::ExtendedAttribute, "first");
    Disk().TypedFile("Elsewhere/B/Plan", "Tbx3", "qWt1", Storage::ExtendedAttribute, "second");
    GatherByDevice();
    AddByHand(Disk().Item("Elsewhere/A/Plan"), false);
    AddByHand(Disk().Item("Elsewhere/B/Plan"), false);
    GoToCopyStep();
    ExpectCaution();
    PressCopy();

    EXPECT_EQ(caution.explanation,
              "Plan\n\n原因：「" + TransferPath("Doc/Plan") +
                  "」：同じ名前の別の項目を、この転送ですでにコピーしています。");
    EXPECT_EQ(ContentsOf(TransferPath("Doc/Plan")), "first");
    EXPECT_EQ(InstructionText(), texts::kCopyIncomplete);
}

TEST_F(CopyFailures, TransferFolderThatCanNotBeEmptiedIsReported) {
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

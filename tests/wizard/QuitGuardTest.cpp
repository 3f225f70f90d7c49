// The quit guard: which quits ask, and what they do to the copy-done marker
// in the assistant's bundles beside the program.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/MenuBar1.h"
#include "platform/gui/Application.h"
#include "tests/support/FileFacts.h"
#include "tests/support/gui/UserActions.h"
#include "tests/wizard/WizardTest.h"
#include "wizard/Window3.h"

namespace {

constexpr const char* kSecondBundle = "DRAVO Migration Assistant copy.app";
constexpr const char* kForeignBundle = "Solvane.app";

constexpr const char* kCopyQuestion =
    "処理を中止したままで終了すると、ペーストができません。それでも終了しますか？";
constexpr const char* kCopyAdvice =
    "ペースト処理したい場合は、終了しないで戻り、コピー処理を継続してください。";

struct Question {
    const char* message;
    const char* explanation;
};

// The words of the question, by the run and the side: stopped, running, failed.
Question Expected(bool copySide, bool stopped, bool running) {
    if (stopped)
        return copySide ? Question{kCopyQuestion, kCopyAdvice}
                        : Question{"処理を中止したままで終了すると、ペーストが不完全で終わります。"
                                   "それでも終了しますか？",
                                   "ペースト処理を完了したい場合は、終了しないで戻り、"
                                   "ペースト処理を継続してください。"};
    if (running)
        return {"処理中に終了すると、処理が不完全で終わります。それでも終了しますか？",
                "処理の終了を待つ場合は、終了しないで戻ってください。"};
    return copySide
               ? Question{"コピーが完了していないまま終了すると、ペーストができません。"
                          "それでも終了しますか？",
                          "ペースト処理したい場合は、終了しないで戻り、"
                          "原因を取り除いてからコピーし直してください。"}
               : Question{"ペーストが完了していないまま終了すると、ペーストが不完全で終わります。"
                          "それでも終了しますか？",
                          "ペースト処理を完了したい場合は、終了しないで戻り、"
                          "原因を取り除いてからペーストし直してください。"};
}

class QuitGuardTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        // The application's menu bar, which the wizard shows, as at start-up.
        app_ = MakeApplication();
        app_->SetMenuBar(MenuBar1::Instance());
        InstallAssistant();
        InstallAssistant(kSecondBundle);
        device.AppBundle(kForeignBundle, "APPLqWt1", "contents");
    }

    void TearDown() override {
        WizardTest::TearDown();
        app_.reset();
        MenuBar1::Release();
    }

    void MarkAll() {
        PutMarker();
        PutMarker(kSecondBundle);
        PutMarker(kForeignBundle);
    }

    std::unique_ptr<Application> app_;
};

// StopUnderWay: the user stopped the run, which has still to reach its next item.
enum class Run { None, Finished, Stopped, Running, StopUnderWay, Incomplete };
enum class Reply { NotAsked, ForceQuit, Stay };

struct GuardCase {
    const char* name;
    bool markedBefore; // every bundle, the foreign one too
    Window1::PastePhase pastePhase;
    Run run;
    Reply reply;
    bool assistantMarkedAfter;
};

void PrintTo(const GuardCase& value, std::ostream* out) {
    *out << value.name;
}

class MarkerTableTest : public QuitGuardTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(MarkerTableTest, QuitLeavesTheMarkerAsTheTableSays) {
    const GuardCase& row = GetParam();
    if (row.markedBefore)
        MarkAll();
    auto wizard = Window1::Instance();
    wizard->pPastePhase = row.pastePhase;
    if (row.run != Run::None)
        Window1TestAccess::StartRun(*wizard);
    const bool stopped = row.run == Run::Stopped || row.run == Run::StopUnderWay;
    const bool running = row.run == Run::Running || row.run == Run::StopUnderWay;
    wizard->pStopThread1 = stopped;
    wizard->pRunningCP = running;
    wizard->pIncompleteCP = row.run == Run::Incomplete;
    if (row.reply == Reply::ForceQuit)
        AnswerAlert(&Modal::PressCancelButton);
    if (row.reply == Reply::Stay)
        AnswerAlert(&Modal::PressActionButton);

    Quit();

    EXPECT_EQ(QuitCount(), row.reply == Reply::Stay ? 0 : 1);
    EXPECT_EQ(HasMarker(), row.assistantMarkedAfter);
    EXPECT_EQ(HasMarker(kSecondBundle), row.assistantMarkedAfter);
    EXPECT_EQ(HasMarker(kForeignBundle), row.markedBefore);
    if (row.reply != Reply::NotAsked) {
        const Question asked = Expected(row.pastePhase == Window1::kCopySide, stopped, running);
        EXPECT_EQ(alertMessage, asked.message);
        EXPECT_EQ(alertExplanation, asked.explanation);
        EXPECT_EQ(alertCancelCaption, "強制終了");
        EXPECT_EQ(alertActionCaption, "終了しない");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MarkerTableTest,
    ::testing::Values(
        GuardCase{"CopySideNoRun", false, Window1::kCopySide, Run::None, Reply::NotAsked, false},
        GuardCase{"CopySideFinishedCopy", false, Window1::kCopySide, Run::Finished, Reply::NotAsked,
                  true},
        GuardCase{"CopySideStoppedForceQuit", false, Window1::kCopySide, Run::Stopped,
                  Reply::ForceQuit, false},
        GuardCase{"CopySideStoppedStay", false, Window1::kCopySide, Run::Stopped, Reply::Stay,
                  false},
        GuardCase{"CopySideRunningForceQuit", false, Window1::kCopySide, Run::Running,
                  Reply::ForceQuit, false},
        GuardCase{"CopySideIncompleteForceQuit", false, Window1::kCopySide, Run::Incomplete,
                  Reply::ForceQuit, false},
        GuardCase{"PasteSideFinishedPaste", true, Window1::kPasteSide, Run::Finished,
                  Reply::NotAsked, false},
        GuardCase{"PasteDone", true, Window1::kPasteFinished, Run::Finished, Reply::NotAsked,
                  false},
        GuardCase{"PasteSideStoppedForceQuit", true, Window1::kPasteSide, Run::Stopped,
                  Reply::ForceQuit, true},
        GuardCase{"PasteSideRunningForceQuit", true, Window1::kPasteSide, Run::Running,
                  Reply::ForceQuit, true},
        GuardCase{"PasteSideIncompleteStay", true, Window1::kPasteSide, Run::Incomplete,
                  Reply::Stay, true},
        GuardCase{"CopySideRunningStay", false, Window1::kCopySide, Run::Running, Reply::Stay,
                  false},
        GuardCase{"PasteSideNoPaste", true, Window1::kPasteSide, Run::None, Reply::NotAsked, true},
        GuardCase{"CopySideStopUnderWayForceQuit", false, Window1::kCopySide, Run::StopUnderWay,
                  Reply::ForceQuit, false},
        GuardCase{"PasteSideStopUnderWayStay", true, Window1::kPasteSide, Run::StopUnderWay,
                  Reply::Stay, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuitGuardTest, StayingKeepsTheStopAndAsksAgain) {
    auto wizard = Window1::Instance();
    Window1TestAccess::StartRun(*wizard);
    wizard->pStopThread1 = true;
    AnswerAlert(&Modal::PressActionButton);
    Quit();
    EXPECT_EQ(QuitCount(), 0);
    EXPECT_TRUE(wizard->pStopThread1);
    EXPECT_FALSE(wizard->IsClosed());

    alertMessage.clear();
    AnswerAlert(&Modal::PressCancelButton);
    Quit();
    EXPECT_EQ(alertMessage, kCopyQuestion);
    EXPECT_EQ(QuitCount(), 1);
    EXPECT_FALSE(HasMarker());
}

TEST_F(QuitGuardTest, BundleWithoutResourcesIsReportedAndTheOthersAreMarked) {
    device.Folder("Broken.app/contents");
    device.File("Broken.app/contents/PkgInfo", "APPLqWts");
    auto wizard = Window1::Instance();
    Window1TestAccess::StartRun(*wizard);
    std::string said;
    ModalScript::Push([&said](Modal& box) {
        said = box.message;
        box.PressActionButton();
    });
    Quit();
    EXPECT_EQ(said, "失敗");
    EXPECT_TRUE(HasMarker());
    EXPECT_TRUE(HasMarker(kSecondBundle));
    EXPECT_EQ(QuitCount(), 1);
}

// A marker that can't be written or deleted: the caution names the path and
// why, the bundle is left as it was, and the others are marked or unmarked.
struct MarkerTrouble {
    const char* name;
    Window1::PastePhase pastePhase;
    std::function<void(FakeMacDisk&, const std::string& resources)> arrange;
    const char* namedPath; // below the bundle
    const char* message;
};

void PrintTo(const MarkerTrouble& value, std::ostream* out) {
    *out << value.name;
}

class MarkerTroubleTest : public QuitGuardTest,
                          public ::testing::WithParamInterface<MarkerTrouble> {};

TEST_P(MarkerTroubleTest, IsCautionedAndLeavesTheBundleAsItWas) {
    const MarkerTrouble& row = GetParam();
    const std::string resources = std::string(kBundle) + "/contents/Resources";
    if (row.pastePhase != Window1::kCopySide)
        PutMarker(kSecondBundle);
    row.arrange(device, resources);
    const bool markedBefore = HasMarker();
    auto wizard = Window1::Instance();
    wizard->pPastePhase = row.pastePhase;
    Window1TestAccess::StartRun(*wizard);
    AnswerAlert(&Modal::PressActionButton);

    Quit();

    EXPECT_EQ(alertMessage, row.message);
    EXPECT_NE(alertExplanation.find(device.Path(std::string(kBundle) + row.namedPath)),
              std::string::npos)
        << alertExplanation;
    EXPECT_EQ(HasMarker(), markedBefore);
    EXPECT_EQ(HasMarker(kSecondBundle), row.pastePhase == Window1::kCopySide);
    EXPECT_FALSE(std::filesystem::exists(device.Path("Elsewhere/CopyDone")));
    EXPECT_EQ(QuitCount(), 1);
}

const auto kResourcesReplacedBy = [](std::function<void(FakeMacDisk&, const std::string&)> put) {
    return [put](FakeMacDisk& disk, const std::string& resources) {
        std::filesystem::remove_all(disk.Path(resources));
        put(disk, resources);
    };
};

INSTANTIATE_TEST_SUITE_P(
    Rows, MarkerTroubleTest,
    ::testing::Values(
        MarkerTrouble{"ResourcesIsAFile", Window1::kCopySide,
                      kResourcesReplacedBy([](FakeMacDisk& disk, const std::string& resources) {
                          disk.File(resources);
                      }),
                      "/contents/Resources", "コピー完了の記録を作成できませんでした。"},
        MarkerTrouble{"ResourcesIsALink", Window1::kCopySide,
                      kResourcesReplacedBy([](FakeMacDisk& disk, const std::string& resources) {
                          disk.Folder("Elsewhere");
                          disk.SymbolicLink(resources, disk.Path("Elsewhere"));
                      }),
                      "/contents/Resources", "コピー完了の記録を作成できませんでした。"},
        MarkerTrouble{"MarkerIsAFolderWithAFile", Window1::kPasteSide,
                      [](FakeMacDisk& disk, const std::string& resources) {
                          disk.File(resources + "/CopyDone/left");
                      },
                      "/contents/Resources/CopyDone", "コピー完了の記録を削除できませんでした。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuitGuardTest, MarkerLinkedToAFileOutsideIsReplacedAndTheFileKept) {
    device.File("outside.txt", "the user's notes");
    device.SymbolicLink(MarkerOf(kBundle), device.Path("outside.txt"));
    auto wizard = Window1::Instance();
    wizard->pPastePhase = Window1::kCopySide;
    Window1TestAccess::StartRun(*wizard);

    Quit();

    EXPECT_EQ(ContentsOf(device.Path("outside.txt")), "the user's notes");
    EXPECT_TRUE(std::filesystem::is_regular_file(
        std::filesystem::symlink_status(device.Path(MarkerOf(kBundle)))));
    EXPECT_EQ(QuitCount(), 1);
}

// Every way out of the wizard passes the guard: after a finished copy each
// of them leaves the marker.
struct WayOut {
    const char* name;
    std::function<void(Window1&)> take;
};

void PrintTo(const WayOut& value, std::ostream* out) {
    *out << value.name;
}

class WayOutTest : public QuitGuardTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(WayOutTest, PassesTheGuard) {
    auto wizard = Window1::Instance();
    wizard->RadioButton1->SetValue(true);
    Window1TestAccess::StartRun(*wizard);
    GetParam().take(*wizard);
    EXPECT_TRUE(RunEventLoopUntil([this] { return QuitCount() == 1; }, 2000));
    EXPECT_TRUE(HasMarker());
    EXPECT_TRUE(HasMarker(kSecondBundle));
    EXPECT_FALSE(HasMarker(kForeignBundle));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, WayOutTest,
    ::testing::Values(WayOut{"QuitButtonOfStep1", [](Window1& w) { Click(*w.PushButton1); }},
                      WayOut{"CloseBox", [](Window1& w) { PressCloseBox(w); }},
                      WayOut{"MenuQuit", [](Window1& w) { Choose(*w.FileQuit()); }},
                      WayOut{"NextAfterTheCopy",
                             [](Window1& w) {
                                 w.PagePanel1->SetValue(2);
                                 w.PushButton2->SetCaption("終了");
                                 w.PushButton2->SetEnabled(true);
                                 Click(*w.PushButton2);
                             }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuitGuardTest, NetworkMethodQuitsWithoutAskingOrMarking) {
    auto wizard = Window1::Instance();
    ModalScript::Push([](Modal& picker) {
        auto& window = static_cast<Window3&>(*picker.window);
        window.pVolNo = 1;
        window.Hide();
    });
    wizard->RadioButton2->SetValue(true);
    ASSERT_TRUE(wizard->RadioButton2->Value());
    Window1TestAccess::StartRun(*wizard);
    wizard->pStopThread1 = true;
    Quit();
    EXPECT_EQ(QuitCount(), 1);
    EXPECT_FALSE(HasMarker());
}

} // namespace

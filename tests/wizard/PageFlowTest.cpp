// Moving through the wizard: the method buttons with the picker, Back from
// STEP 3 and Next again, and Next on STEP 4.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "gather/Window2.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/gui/UserActions.h"
#include "tests/wizard/WizardTest.h"
#include "wizard/Window3.h"

namespace {

constexpr const char* kGatherDone = "取得が完了したら、「次へ」ボタンを押して下さい。";
constexpr const char* kMissingItems =
    "不足のアイテムがあれば、前のステップに戻って追加して下さい。";
constexpr const char* kCopyFirst = "コピーが完了するまで、次のステップへは進めません。";
constexpr const char* kPasteFirst = "ペーストが完了するまで、次のステップへは進めません。";

class PageFlowTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        InstallAssistant();
        machine.AddVolume("Old Mac").Folder("Users/hanako");
    }

    // The picker answered as the user would: a way out of it.
    void AnswerPicker(std::function<void(Window3&)> leave) {
        ModalScript::Push([leave](Modal& modal) { leave(static_cast<Window3&>(*modal.window)); });
    }
    void ChooseOldMac() {
        AnswerPicker([](Window3& picker) {
            picker.Listbox1->SetListIndex(1);
            picker.Listbox2->SetListIndex(0);
            picker.PushButton2->Push();
        });
    }

    FakeMachine machine;
};

TEST_F(PageFlowTest, NetworkMethodTakesTheChosenDiskAndUser) {
    auto wizard = Window1::Instance();
    ChooseOldMac();
    Click(*wizard->RadioButton2);
    EXPECT_TRUE(wizard->RadioButton2->Value());
    EXPECT_EQ(Window1TestAccess::VolNo(*wizard), 1);
    EXPECT_EQ(Window1TestAccess::User(*wizard).ToUTF8(), "hanako");
    EXPECT_FALSE(wizard->StaticText4->Visible());
    EXPECT_TRUE(wizard->StaticText10->Enabled());
    EXPECT_TRUE(wizard->PushButton2->Enabled());
    // Every showing starts from a new picker.
    EXPECT_EQ(Window::OpenWindows().size(), 1u);

    Click(*wizard->RadioButton1);
    EXPECT_TRUE(wizard->StaticText4->Visible());
    EXPECT_TRUE(wizard->PushButton2->Enabled());
}

struct PickerExit {
    const char* name;
    std::function<void(Window3&)> leave;
};

void PrintTo(const PickerExit& value, std::ostream* out) {
    *out << value.name;
}

class PickerCancelTest : public PageFlowTest, public ::testing::WithParamInterface<PickerExit> {};

TEST_P(PickerCancelTest, LeavesNoMethodAndNextDisabled) {
    auto wizard = Window1::Instance();
    Click(*wizard->RadioButton1);
    AnswerPicker(GetParam().leave);
    Click(*wizard->RadioButton2);
    EXPECT_FALSE(wizard->RadioButton1->Value());
    EXPECT_FALSE(wizard->RadioButton2->Value());
    EXPECT_LT(Window1TestAccess::VolNo(*wizard), 0);
    EXPECT_FALSE(wizard->StaticText10->Enabled());
    EXPECT_FALSE(wizard->PushButton2->Enabled());
    EXPECT_EQ(wizard->PagePanel1->Value(), 0);
    EXPECT_EQ(QuitCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Exits, PickerCancelTest,
                         ::testing::Values(PickerExit{"CancelButton",
                                                      [](Window3& picker) {
                                                          picker.Listbox1->SetListIndex(1);
                                                          picker.Listbox2->SetListIndex(0);
                                                          picker.PushButton1->Push();
                                                      }},
                                           PickerExit{"CloseBoxAfterChoosing",
                                                      [](Window3& picker) {
                                                          picker.Listbox1->SetListIndex(1);
                                                          picker.Listbox2->SetListIndex(0);
                                                          PressCloseBox(picker);
                                                      }}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Route {
    const char* name;
    bool network;
};

void PrintTo(const Route& value, std::ostream* out) {
    *out << value.name;
}

class BackAndNextTest : public PageFlowTest, public ::testing::WithParamInterface<Route> {
protected:
    void ExpectStep3(const Window1& wizard) {
        EXPECT_EQ(wizard.PagePanel1->Value(), 2);
        EXPECT_TRUE(wizard.StaticText10->Enabled());
        EXPECT_TRUE(wizard.StaticText21->Text().IsEmpty());
        EXPECT_FALSE(wizard.PushButton2->Enabled());
        EXPECT_TRUE(wizard.PushButton7->Visible());
        EXPECT_EQ(wizard.StaticText3->TextColor(), RGB(0, 0, 255));
        if (GetParam().network) {
            EXPECT_EQ(wizard.StaticText10->Text().ToUTF8(), kMissingItems);
            EXPECT_EQ(wizard.StaticText12->Text().ToUTF8(),
                      "必要なアイテムを、ネットワーク経由でコピーします。");
            EXPECT_EQ(wizard.PushButton2->Caption().ToUTF8(), "終了");
            EXPECT_TRUE(wizard.GroupBox3->Visible());
        } else {
            EXPECT_EQ(wizard.StaticText10->Text().ToUTF8(),
                      std::string(kMissingItems) + EndOfLine().ToUTF8() + kCopyFirst);
            EXPECT_EQ(wizard.StaticText12->Text().ToUTF8(),
                      "必要なアイテムを、外部デバイスにコピーします。");
            EXPECT_EQ(wizard.PushButton2->Caption().ToUTF8(), "次へ");
            EXPECT_FALSE(wizard.GroupBox3->Visible());
            EXPECT_FALSE(wizard.RadioButton3->Visible());
            EXPECT_FALSE(wizard.RadioButton4->Visible());
        }
    }
};

TEST_P(BackAndNextTest, BackKeepsTheListAndNextEntersStep3Again) {
    auto wizard = Window1::Instance();
    if (GetParam().network) {
        ChooseOldMac();
        Click(*wizard->RadioButton2);
    } else {
        Click(*wizard->RadioButton1);
    }
    wizard->PagePanel1->SetValue(2);
    ExpectStep3(*wizard);
    wizard->StaticText21->SetText("/old/path をコピー中...");

    Click(*wizard->PushButton7);
    EXPECT_EQ(wizard->PagePanel1->Value(), 1);
    EXPECT_EQ(wizard->StaticText10->Text().ToUTF8(), kGatherDone);
    EXPECT_TRUE(wizard->StaticText10->Enabled());
    EXPECT_TRUE(wizard->PushButton2->Enabled());
    EXPECT_EQ(wizard->PushButton2->Caption().ToUTF8(), "次へ");
    EXPECT_FALSE(wizard->PushButton7->Visible());
    EXPECT_EQ(wizard->StaticText2->TextColor(), RGB(0, 0, 255));
    // No new scan: the item list window was never made.
    EXPECT_EQ(Window::OpenWindows().size(), 1u);

    Click(*wizard->PushButton2);
    ExpectStep3(*wizard);
}

INSTANTIATE_TEST_SUITE_P(Routes, BackAndNextTest,
                         ::testing::Values(Route{"Device", false}, Route{"Network", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageFlowTest, ARefusedQuitAfterTheCopyLeavesStep3AsItWas) {
    auto wizard = Window1::Instance();
    Click(*wizard->RadioButton1);
    wizard->PagePanel1->SetValue(2);
    Window1TestAccess::StartRun(*wizard);
    wizard->pStopThread1 = true;
    wizard->StaticText10->SetText("コピーが中止されました。");
    wizard->PushButton2->SetCaption("終了");
    wizard->PushButton2->SetEnabled(true);
    AnswerAlert(&Modal::PressActionButton);

    Click(*wizard->PushButton2);

    EXPECT_EQ(QuitCount(), 0);
    EXPECT_EQ(wizard->PagePanel1->Value(), 2);
    EXPECT_EQ(wizard->StaticText3->TextColor(), RGB(0, 0, 255));
    EXPECT_EQ(wizard->StaticText4->TextColor(), RGB(128, 128, 128));
    EXPECT_EQ(wizard->StaticText10->Text().ToUTF8(), "コピーが中止されました。");
    EXPECT_TRUE(wizard->PushButton2->Enabled());
    EXPECT_EQ(wizard->PushButton2->Caption().ToUTF8(), "終了");
    EXPECT_FALSE(OnScreen(*wizard->PushButton6));
}

TEST_F(PageFlowTest, TheCloseBoxAfterStep2EndsTheApplicationLoop) {
    auto application = MakeApplication();
    auto wizard = Window1::Instance();
    Click(*wizard->RadioButton1);
    Click(*wizard->PushButton2);
    ASSERT_TRUE(Window2::Instance()->Visible());
    RunLater(10, [&] { PressCloseBox(*wizard); });

    EXPECT_TRUE(RunUntilTheApplicationEnds(*application));
    EXPECT_TRUE(Window::OpenWindows().empty());
}

class Step4NextTest : public PageFlowTest {
protected:
    // Opens on STEP 4 as on the new machine; the paste run ended as the test says.
    std::shared_ptr<Window1> AfterPaste(Window1::PastePhase pastePhase, bool stopped) {
        PutMarker();
        auto wizard = Window1::Instance();
        Window1TestAccess::StartRun(*wizard);
        wizard->pPastePhase = pastePhase;
        wizard->pStopThread1 = stopped;
        wizard->StaticText25->SetText("/temp/App をペースト中...");
        wizard->PushButton2->SetCaption("終了");
        wizard->PushButton2->SetEnabled(true);
        wizard->StaticText10->SetText("ペーストが完了しました。");
        return wizard;
    }
};

TEST_F(Step4NextTest, AfterACompletedPasteQuitsAndUnmarks) {
    auto wizard = AfterPaste(Window1::kPasteFinished, false);
    Click(*wizard->PushButton2);
    EXPECT_EQ(QuitCount(), 1);
    EXPECT_FALSE(HasMarker());
}

TEST_F(Step4NextTest, AfterAStoppedPasteWaitsAgain) {
    auto wizard = AfterPaste(Window1::kPasteSide, true);
    Click(*wizard->PushButton2);
    EXPECT_EQ(QuitCount(), 0);
    EXPECT_EQ(wizard->PagePanel1->Value(), 3);
    EXPECT_EQ(wizard->StaticText10->Text().ToUTF8(), kPasteFirst);
    EXPECT_FALSE(wizard->StaticText10->Enabled());
    EXPECT_TRUE(wizard->StaticText25->Text().IsEmpty());
    EXPECT_FALSE(wizard->PushButton2->Enabled());
    EXPECT_TRUE(HasMarker());
}

TEST_F(Step4NextTest, AfterACompletedNetworkCopyQuitsWithoutMarking) {
    auto wizard = Window1::Instance();
    ChooseOldMac();
    Click(*wizard->RadioButton2);
    wizard->PagePanel1->SetValue(2);
    Window1TestAccess::StartRun(*wizard);
    wizard->PushButton2->SetEnabled(true);
    Click(*wizard->PushButton2);
    EXPECT_EQ(QuitCount(), 1);
    EXPECT_FALSE(HasMarker());
}

} // namespace

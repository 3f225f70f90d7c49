// What the wizard shows when it opens, with and without a copy-done marker
// beside the program.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/gui/Color.h"
#include "tests/support/gui/Accessibility.h"
#include "tests/wizard/WizardTest.h"

namespace {

constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kGrey = RGB(128, 128, 128);

std::vector<Color> StepColours(const Window1& wizard) {
    return {wizard.StaticText1->TextColor(), wizard.StaticText2->TextColor(),
            wizard.StaticText3->TextColor(), wizard.StaticText4->TextColor()};
}

std::vector<std::string> LinesOf(const String& text) {
    const std::string all = text.ToUTF8();
    const std::string end = EndOfLine().ToUTF8();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t found; (found = all.find(end, start)) != std::string::npos;
         start = found + end.size())
        lines.push_back(all.substr(start, found - start));
    lines.push_back(all.substr(start));
    return lines;
}

using WizardStartTest = WizardTest;

TEST_F(WizardStartTest, WithoutMarkerOpensOnStep1AwaitingAMethod) {
    InstallAssistant();
    auto wizard = Window1::Instance();

    EXPECT_EQ(wizard->Title().ToUTF8(), "DRAVO 移行アシスタント");
    EXPECT_EQ(wizard->Width(), 600);
    EXPECT_EQ(wizard->Height(), 480);
    EXPECT_TRUE(wizard->Visible());
    EXPECT_EQ(wizard->PagePanel1->Value(), 0);
    EXPECT_EQ(StepColours(*wizard), (std::vector<Color>{kBlue, kGrey, kGrey, kGrey}));
    EXPECT_FALSE(wizard->RadioButton1->Value());
    EXPECT_FALSE(wizard->RadioButton2->Value());
    EXPECT_EQ(wizard->StaticText10->Text().ToUTF8(),
              "方式を指定して場所を確認したら、「次へ」ボタンを押して下さい。");
    EXPECT_FALSE(wizard->StaticText10->Enabled());
    EXPECT_FALSE(wizard->PushButton2->Enabled());
    EXPECT_FALSE(wizard->PushButton7->Visible());
    EXPECT_FALSE(wizard->ProgressBar1->Visible());
    EXPECT_FALSE(wizard->ProgressBar2->Visible());
    EXPECT_TRUE(wizard->StaticText4->Visible());
    EXPECT_EQ(wizard->pPastePhase, Window1::kCopySide);
    EXPECT_TRUE(wizard->pFI.empty());
    EXPECT_FALSE(HasMarker());
}

// Where markers lie before the start, and whether the wizard then opens on STEP 4.
struct MarkerStart {
    const char* name;
    std::vector<std::string> markedBundles;
    bool opensOnStep4;
};

void PrintTo(const MarkerStart& value, std::ostream* out) {
    *out << value.name;
}

class WizardMarkerStartTest : public WizardTest, public ::testing::WithParamInterface<MarkerStart> {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        InstallAssistant("A Copy.app");
        InstallAssistant();
        device.AppBundle("Solvane.app", "APPLqWt1", "contents");
        device.Folder("Empty.app/contents/Resources");
        device.File("Readme.app");
        // Read first at every start: a pipe for a PkgInfo must not stop it.
        device.Folder("A Bundle With A Pipe.app/contents/Resources");
        mkfifo(device.Path("A Bundle With A Pipe.app/contents/PkgInfo").c_str(), 0644);
    }
};

TEST_P(WizardMarkerStartTest, OpensOnStep4OnlyForAMarkerInAnAssistantBundle) {
    for (const auto& bundle : GetParam().markedBundles)
        PutMarker(bundle);
    auto wizard = Window1::Instance();

    if (!GetParam().opensOnStep4) {
        EXPECT_EQ(wizard->PagePanel1->Value(), 0);
        EXPECT_EQ(wizard->pPastePhase, Window1::kCopySide);
        return;
    }
    EXPECT_EQ(wizard->PagePanel1->Value(), 3);
    EXPECT_EQ(wizard->pPastePhase, Window1::kPasteSide);
    EXPECT_EQ(StepColours(*wizard), (std::vector<Color>{kGrey, kGrey, kGrey, kBlue}));
    EXPECT_EQ(wizard->StaticText10->Text().ToUTF8(),
              "ペーストが完了するまで、次のステップへは進めません。");
    EXPECT_FALSE(wizard->StaticText10->Enabled());
    EXPECT_TRUE(wizard->StaticText25->Text().IsEmpty());
    EXPECT_FALSE(wizard->PushButton2->Enabled());
    EXPECT_FALSE(wizard->PushButton7->Visible());
    EXPECT_FALSE(wizard->RadioButton1->Value());
    EXPECT_FALSE(wizard->RadioButton2->Value());
}

INSTANTIATE_TEST_SUITE_P(
    Markers, WizardMarkerStartTest,
    ::testing::Values(MarkerStart{"None", {}, false},
                      MarkerStart{"InTheAssistant", {"DRAVO Migration Assistant.app"}, true},
                      MarkerStart{"InTheFirstCopyOnly", {"A Copy.app"}, true},
                      MarkerStart{"InAnotherProgramsBundle", {"Solvane.app"}, false},
                      MarkerStart{"InABundleWithoutPkgInfo", {"Empty.app"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardStartTest, OnlyTheFirstLineOfPkgInfoNamesTheAssistant) {
    InstallAssistant();
    device.File(std::string(kBundle) + "/contents/PkgInfo", "APPLqWts\nsomething else\n");
    PutMarker();
    EXPECT_EQ(Window1::Instance()->PagePanel1->Value(), 3);
}

// The current step is told by colour, and to a screen reader in words.
std::vector<std::string> StepsHeard(const Window1& wizard) {
    std::vector<std::string> heard;
    for (const StaticText* label :
         {wizard.StaticText1, wizard.StaticText2, wizard.StaticText3, wizard.StaticText4})
        heard.push_back(AccessibleOf(*label).description);
    return heard;
}

TEST_F(WizardStartTest, SetStatusColoursAndNamesTheCurrentStepOnlyForAStep) {
    auto wizard = Window1::Instance();
    EXPECT_EQ(StepsHeard(*wizard), (std::vector<std::string>{"現在のステップ", "", "", ""}));
    wizard->SetStatus(2);
    const auto step3 = std::vector<Color>{kGrey, kGrey, kBlue, kGrey};
    EXPECT_EQ(StepColours(*wizard), step3);
    EXPECT_EQ(StepsHeard(*wizard), (std::vector<std::string>{"", "", "現在のステップ", ""}));
    wizard->SetStatus(4);
    wizard->SetStatus(-1);
    EXPECT_EQ(StepColours(*wizard), step3);
    EXPECT_EQ(StepsHeard(*wizard), (std::vector<std::string>{"", "", "現在のステップ", ""}));
}

// What a screen reader is told of the controls that show no text of their own.
TEST_F(WizardStartTest, ProgressBarsStatusLinesAndSeparatorsAreToldWhatTheyAre) {
    auto wizard = Window1::Instance();
    wizard->StaticText21->SetText("/Users/taro/Documents をコピー中...");
    struct Row {
        const Control* control;
        std::string role, name;
    };
    for (const Row& row :
         {Row{wizard->ProgressBar1, "progress bar", "コピーの進行状況"},
          Row{wizard->ProgressBar2, "progress bar", "ペーストの進行状況"},
          Row{wizard->StaticText21, "label", "コピーの状況"},
          Row{wizard->StaticText25, "label", "ペーストの状況"},
          Row{wizard->Separator1, "separator", ""}, Row{wizard->Separator2, "separator", ""}}) {
        EXPECT_EQ(AccessibleOf(*row.control).role, row.role) << row.control->Name();
        EXPECT_EQ(AccessibleOf(*row.control).name, row.name) << row.control->Name();
    }
    EXPECT_EQ(AccessibleOf(*wizard->StaticText21).description,
              "/Users/taro/Documents をコピー中...");
}

TEST_F(WizardStartTest, MultiLineTextsHaveOneLineEndBetweenLines) {
    auto wizard = Window1::Instance();
    EXPECT_EQ(LinesOf(wizard->StaticText20->Text()),
              (std::vector<std::string>{
                  "もし、不要なアイテムがあれば、右のリストの項目のチェックを外してください。",
                  "チェックのないものはコピーされません。", "",
                  "アイテム（三角マーク付）のチェックを変化させると、"
                  "サブアイテム全てが連動します。"}));
    EXPECT_EQ(LinesOf(wizard->StaticText1->Text()),
              (std::vector<std::string>{"STEP 1", "はじめに"}));
    for (const StaticText* text : {wizard->StaticText2, wizard->StaticText3, wizard->StaticText4})
        EXPECT_EQ(LinesOf(text->Text()).size(), 2u) << text->Name();
    for (const StaticText* text :
         {wizard->StaticText8, wizard->StaticText17, wizard->StaticText18, wizard->StaticText26}) {
        const auto lines = LinesOf(text->Text());
        EXPECT_EQ(lines.size(), 3u) << text->Name();
        for (const auto& line : lines)
            EXPECT_FALSE(line.empty()) << text->Name();
    }
}

TEST_F(WizardStartTest, OverwriteChoicesOfStep3And4AreSeparatePairs) {
    auto wizard = Window1::Instance();
    wizard->RadioButton5->SetValue(true);
    wizard->RadioButton3->SetValue(true);
    EXPECT_TRUE(wizard->RadioButton5->Value());
    wizard->RadioButton4->SetValue(true);
    EXPECT_FALSE(wizard->RadioButton3->Value());
    EXPECT_TRUE(wizard->RadioButton5->Value());
    wizard->RadioButton6->SetValue(true);
    EXPECT_FALSE(wizard->RadioButton5->Value());
    EXPECT_TRUE(wizard->RadioButton4->Value());
}

} // namespace

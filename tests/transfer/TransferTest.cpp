#include "tests/transfer/TransferTest.h"

#include "common/Globals.h"
#include "gather/Window2.h"
#include "platform/gui/ModalScript.h"
#include "platform/threads/Cooperative.h"
#include "tests/support/wizard/PickerAnswers.h"

void TransferTest::SetUp() {
    GuiTest::SetUp();
    device.AppBundle(kBundle, "APPLqWts", "contents");
    device.AppBundle(kSecondBundle, "APPLqWts", "contents");
    oldMachine_ = std::make_unique<FakeMachine>();
    app_ = MakeApplication<App>();
    // The catalogue as start-up fills it, once per test.
    Globals::ReleaseModuleState();
    app_->InitApp();
    Globals::gBeep = false;
    if (StartsOnPasteSide())
        device.File(std::string(kBundle) + "/contents/Resources/CopyDone");
    wizard = Window1::Instance();
}

void TransferTest::TearDown() {
    // A run still going would outlive the test's folders.
    if (wizard) {
        EXPECT_TRUE(RunEventLoopUntil([this] { return !wizard->pRunningCP; }, kTimeLimitMs));
    }
    wizard.reset();
    GuiTest::TearDown();
    app_.reset();
    Globals::ReleaseModuleState();
    newMachine_.reset();
    oldMachine_.reset();
}

FakeMachine& TransferTest::Machine() const {
    return newMachine_ ? *newMachine_ : *oldMachine_;
}

std::string TransferTest::Home(const std::string& relative) const {
    return Machine().Home() + "/" + relative;
}

std::string TransferTest::TransferPath(const std::string& relative) const {
    return device.Path(relative.empty() ? "temp" : "temp/" + relative);
}

void TransferTest::InstallKelmo(FakeMacDisk& disk, const std::string& home) {
    disk.AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt5");
    disk.TypedFile("Applications/Kelmo/Kelmo Plan", "Tkmo", "qWt5", Storage::AppleDouble, "plan");
    disk.SymbolicLink("Applications/Kelmo/Latest Plan", "Kelmo Plan");
    disk.File("Applications/Kelmo/Read Me", "Kelmo 5");
    disk.TypedFile(home + "/Library/Preferences/Kelmo初期設定/Kelmo Prefs", "pref", "qWt5",
                   Storage::ExtendedAttribute, "prefs");
    disk.File(home + "/Library/Application Support/Kelmo/Templates/Letter", "letter");
}

void TransferTest::InstallTessaro(FakeMacDisk& disk, const std::string& home) {
    disk.AppBundle("Applications/Tessaro/Tessaro.app", "APPLqWt4");
    disk.File("Applications/Tessaro/Read Me", "Tessaro 2");
    disk.File(home + "/Library/Preferences/Tessaro初期設定/Tessaro Prefs", "prefs");
}

void TransferTest::GatherByDevice() {
    wizard->RadioButton1->SetValue(true);
    PressNextAndWaitForScan();
}

void TransferTest::ChooseNetwork(const std::string& user) {
    AnswerPickerWith(1, user);
    wizard->RadioButton2->SetValue(true);
    ASSERT_TRUE(wizard->RadioButton2->Value()) << "the picker was not answered";
}

void TransferTest::PressNextAndWaitForScan() {
    wizard->PushButton2->Push();
    WaitUntil([this] { return wizard->PushButton8->Caption() == "再取得"; });
}

void TransferTest::AddByHand(const FolderItem& item, bool folder) {
    const int rowsBefore = List().ListCount();
    ModalScript::Push([item](Modal& modal) { modal.Choose(item); });
    (folder ? wizard->PushButton3 : wizard->PushButton4)->Push();
    WaitUntil([this, rowsBefore] { return List().ListCount() > rowsBefore; });
}

void TransferTest::GoToCopyStep() {
    wizard->PushButton2->Push();
    ASSERT_EQ(wizard->PagePanel1->Value(), 2);
}

void TransferTest::StartCopy() {
    wizard->PushButton5->Push();
    ASSERT_TRUE(wizard->pRunningCP) << "no copy started";
}

void TransferTest::PressCopy() {
    StartCopy();
    WaitForRunEnd();
}

void TransferTest::StartPaste() {
    wizard->PushButton6->Push();
    ASSERT_TRUE(wizard->pRunningCP) << "no paste started";
}

void TransferTest::PressPaste() {
    StartPaste();
    WaitForRunEnd();
}

void TransferTest::CopyToDevice() {
    GatherByDevice();
    GoToCopyStep();
    PressCopy();
}

void TransferTest::QuitWithNext() {
    ASSERT_EQ(wizard->PushButton2->Caption(), String("終了"));
    const int quitsBefore = QuitCount();
    wizard->PushButton2->Push();
    ASSERT_EQ(QuitCount(), quitsBefore + 1) << "the wizard did not quit";
}

void TransferTest::StartAgainOnNewMachine() {
    ASSERT_TRUE(wizard->IsClosed()) << "the assistant still runs";
    wizard.reset();
    newMachine_ = std::make_unique<FakeMachine>("hanako");
    wizard = Window1::Instance();
}

void TransferTest::WaitForRunEnd() {
    WaitUntil([this] { return !wizard->pRunningCP; });
}

void TransferTest::WaitForStatus(const StaticText& statusLine) {
    WaitUntil([&statusLine] { return !statusLine.Text().IsEmpty(); });
}

void TransferTest::WaitUntil(const std::function<bool()>& done) {
    ASSERT_TRUE(RunEventLoopUntil(done, kTimeLimitMs)) << "time limit reached";
    // A thread that has just written its last control ends at its next turn.
    for (int pass = 0; pass < 3; ++pass)
        coop::YieldToNextThread();
}

void TransferTest::ExpectCaution() {
    ModalScript::Push([this](Modal& alert) {
        caution.message = alert.message;
        caution.explanation = alert.explanation;
        ++caution.count;
        alert.PressActionButton();
    });
}

void TransferTest::AnswerQuitQuestion(bool forceQuit) {
    ModalScript::Push([this, forceQuit](Modal& alert) {
        question.message = alert.message;
        question.explanation = alert.explanation;
        ++question.count;
        if (forceQuit)
            alert.PressCancelButton();
        else
            alert.PressActionButton();
    });
}

bool TransferTest::HasMarker(const std::string& bundle) const {
    return device.Item(bundle + "/contents/Resources/CopyDone").Exists();
}

Listbox& TransferTest::List() const {
    return *Window2::Instance()->Listbox1;
}

int RowOf(const Listbox& list, const std::string& name, const std::string& kind) {
    for (int row = 0; row < list.ListCount(); ++row)
        if (list.Cell(row, 0) == String(name) && list.Cell(row, 1) == String(kind))
            return row;
    return -1;
}

#include "tests/gather/GatheringTest.h"

#include <ostream>
#include <string>

#include "common/Globals.h"
#include "gather/Window2.h"
#include "platform/gui/ModalScript.h"
#include "platform/threads/Cooperative.h"
#include "tests/support/wizard/PickerAnswers.h"

void PrintTo(const ShownRow& row, std::ostream* out) {
    *out << "{\"" << row.name << "\", \"" << row.kind << "\", \"" << row.index << "\", \""
         << row.label << "\", " << (row.ticked ? "ticked" : "unticked") << "}";
}

void GatheringTest::SetUp() {
    GuiTest::SetUp();
    app_ = MakeApplication<App>();
    // The catalogue as start-up fills it, once per test.
    Globals::ReleaseModuleState();
    app_->InitApp();
    wizard = Window1::Instance();
}

void GatheringTest::TearDown() {
    wizard.reset();
    GuiTest::TearDown();
    app_.reset();
    Globals::ReleaseModuleState();
}

std::string GatheringTest::UserFolder(const std::string& relative) const {
    return machine_.Home() + "/Library/" + relative;
}

void GatheringTest::GatherByDevice() {
    wizard->RadioButton1->SetValue(true);
    PressNextAndWait();
}

void GatheringTest::ChooseNetwork(const std::string& user) {
    AnswerPickerWith(1, user);
    wizard->RadioButton2->SetValue(true);
    ASSERT_TRUE(wizard->RadioButton2->Value()) << "the picker was not answered";
}

void GatheringTest::PressNextAndWait() {
    wizard->PushButton2->Push();
    WaitForScanEnd();
}

void GatheringTest::WaitForScanEnd() {
    WaitUntil([this] { return wizard->PushButton8->Caption() == "再取得"; });
}

void GatheringTest::WaitUntil(const std::function<bool()>& done) {
    ASSERT_TRUE(RunEventLoopUntil(done, kTimeLimitMs)) << "time limit reached";
    // A thread that has just written its last row ends at its next turn.
    for (int pass = 0; pass < 3; ++pass)
        coop::YieldToNextThread();
}

void GatheringTest::AddFolderByHand(const FolderItem& item) {
    PressAddButton(*wizard->PushButton3, item);
}

void GatheringTest::AddFileByHand(const FolderItem& item) {
    PressAddButton(*wizard->PushButton4, item);
}

void GatheringTest::PressAddButton(PushButton& button, const FolderItem& item) {
    ModalScript::Push([item](Modal& modal) {
        if (item == Nil)
            modal.CancelChooser();
        else
            modal.Choose(item);
    });
    button.Push();
}

void GatheringTest::ExpectNothingFoundCaution() {
    ModalScript::Push([this](Modal& modal) {
        EXPECT_EQ(modal.kind, ModalKind::MessageDialog);
        EXPECT_EQ(modal.message, "DRAVOSoftware製ソフトウェアが含まれていません。");
        EXPECT_EQ(modal.explanation, "フォルダの追加はされません。");
        EXPECT_EQ(modal.icon, 1);
        modal.PressActionButton();
        cautionShown = true;
    });
}

Listbox& GatheringTest::List() const {
    return *Window2::Instance()->Listbox1;
}

std::vector<ShownRow> GatheringTest::Rows() const {
    const Listbox& list = List();
    std::vector<ShownRow> rows;
    for (int row = 0; row < list.ListCount(); ++row)
        rows.push_back({list.Cell(row, 0).ToUTF8(), list.Cell(row, 1).ToUTF8(),
                        list.Cell(row, 2).ToUTF8(), list.Cell(row, 3).ToUTF8(),
                        list.CellCheck(row, 0)});
    return rows;
}

std::vector<std::string> GatheringTest::GroupNames() const {
    std::vector<std::string> names;
    for (const ShownRow& row : Rows())
        if (row.kind.empty())
            names.push_back(row.name);
    return names;
}

std::vector<std::string> GatheringTest::RecordKinds() const {
    std::vector<std::string> kinds;
    for (const TransferItem& record : wizard->pFI)
        kinds.push_back(record.kind.ToUTF8());
    return kinds;
}

void GatheringTest::ExpectRowsMatchRecords() const {
    for (const ShownRow& row : Rows()) {
        if (row.kind.empty())
            continue;
        ASSERT_FALSE(row.index.empty()) << row.name;
        const auto index = std::stoul(row.index);
        ASSERT_LT(index, wizard->pFI.size()) << row.name;
        EXPECT_EQ(wizard->pFI[index].item.Name().ToUTF8(), row.name);
        EXPECT_EQ(wizard->pFI[index].kind.ToUTF8(), row.kind);
    }
}

// The old machine's disk and user picker: its rows on a set of mounted
// volumes, and what Execute accepts and refuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/Volumes.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/gui/Accessibility.h"
#include "tests/support/gui/UserActions.h"
#include "tests/wizard/WizardTest.h"
#include "wizard/Window3.h"

namespace {

std::vector<std::string> RowsOf(const Listbox& list) {
    std::vector<std::string> rows;
    for (int row = 0; row < list.ListCount(); ++row)
        rows.push_back(list.List(row).ToUTF8());
    return rows;
}

class PickerTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        FakeMacDisk& old = machine.AddVolume("Old Mac");
        old.Folder("Users/hanako");
        old.Folder("Users/jiro");
        old.Folder("Users/Shared");
        old.Folder("Users/SharedStuff");
        old.File("Users/.localized");
        old.File("Users/notes.txt");
        machine.AddVolume("Backup").Folder("Users/kenta");
    }

    // Volume rows in Volume(i) order: the start-up disk, then by name.
    static constexpr int kBackupRow = 1;
    static constexpr int kOldMacRow = 2;

    void ExpectRefusal(Window3& picker) {
        AnswerAlert(&Modal::PressActionButton);
        picker.PushButton2->Push();
        EXPECT_EQ(alertMessage, "ディスクまたはユーザが指定されていません。");
        EXPECT_EQ(alertExplanation, "");
        EXPECT_TRUE(picker.Visible());
        EXPECT_EQ(picker.pVolNo, 0);
        EXPECT_TRUE(picker.pUser.IsEmpty());
    }

    FakeMachine machine;
};

TEST_F(PickerTest, ListsEveryVolumeWithTheStartupDiskMarked) {
    auto picker = Window3::Instance();
    EXPECT_EQ(picker->Width(), 300);
    EXPECT_EQ(picker->Height(), 280);
    EXPECT_EQ(picker->Title().ToUTF8(), "Untitled");
    EXPECT_EQ(picker->StaticText1->Text().ToUTF8(), "旧マシンのディスクを選択してください。");
    EXPECT_EQ(picker->StaticText2->Text().ToUTF8(), "ユーザを選択してください。");
    EXPECT_EQ(picker->PushButton1->Caption().ToUTF8(), "キャンセル");
    EXPECT_EQ(picker->PushButton2->Caption().ToUTF8(), "実行");
    EXPECT_TRUE(picker->PushButton2->Default());
    ASSERT_EQ(VolumeCount(), 3);
    EXPECT_EQ(
        RowsOf(*picker->Listbox1),
        (std::vector<std::string>{"Macintosh HD（起動ディスク・選択不可）", "Backup", "Old Mac"}));
    EXPECT_EQ(picker->Listbox1->ListIndex(), -1);
    EXPECT_EQ(picker->Listbox2->ListCount(), 0);
}

TEST_F(PickerTest, UserRowsLeaveOutDotNamesAndShared) {
    auto picker = Window3::Instance();
    picker->Listbox1->SetListIndex(kOldMacRow);
    EXPECT_EQ(RowsOf(*picker->Listbox2),
              (std::vector<std::string>{"hanako", "jiro", "notes.txt", "SharedStuff"}));
}

TEST_F(PickerTest, AnotherVolumeReplacesTheUsersAndClearingEmptiesThem) {
    auto picker = Window3::Instance();
    picker->Listbox1->SetListIndex(kOldMacRow);
    picker->Listbox2->SetListIndex(0);
    picker->Listbox1->SetListIndex(kBackupRow);
    EXPECT_EQ(RowsOf(*picker->Listbox2), (std::vector<std::string>{"kenta"}));
    EXPECT_EQ(picker->Listbox2->ListIndex(), -1);
    picker->Listbox1->SetListIndex(-1);
    EXPECT_EQ(picker->Listbox2->ListCount(), 0);
}

TEST_F(PickerTest, StartupDiskListsThisMachinesUsersYetIsRefused) {
    auto picker = Window3::Instance();
    picker->Listbox1->SetListIndex(0);
    EXPECT_EQ(RowsOf(*picker->Listbox2), (std::vector<std::string>{"taro"}));
    picker->Listbox2->SetListIndex(0);
    ExpectRefusal(*picker);
}

TEST_F(PickerTest, ExecuteWithoutDiskOrUserIsRefused) {
    auto picker = Window3::Instance();
    ExpectRefusal(*picker);
    picker->Listbox1->SetListIndex(kOldMacRow);
    ExpectRefusal(*picker);
}

TEST_F(PickerTest, ExecuteHandsBackTheVolumeIndexAndUserName) {
    auto picker = Window3::Instance();
    picker->Listbox1->SetListIndex(kOldMacRow);
    picker->Listbox2->SetListIndex(3);
    picker->PushButton2->Push();
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(picker->pVolNo, kOldMacRow);
    EXPECT_EQ(picker->pUser.ToUTF8(), "SharedStuff");
}

TEST_F(PickerTest, CancelAfterChoosingHandsBackMinusOne) {
    auto picker = Window3::Instance();
    picker->Listbox1->SetListIndex(kOldMacRow);
    picker->Listbox2->SetListIndex(0);
    picker->PushButton1->Push();
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(picker->pVolNo, -1);
    EXPECT_TRUE(picker->pUser.IsEmpty());
}

TEST_F(PickerTest, AVolumeGoneSinceListingOffersNoUsers) {
    auto picker = Window3::Instance();
    std::filesystem::remove_all(machine.VolumesFolder() + "/Old Mac");
    picker->Listbox1->SetListIndex(kOldMacRow);
    EXPECT_EQ(picker->Listbox2->ListCount(), 0);
    ExpectRefusal(*picker);
}

// Shown modally, the picker is a dialog that says what it is, with its lists
// named by the labels above them; Escape is its Cancel.
TEST_F(PickerTest, AScreenReaderHearsADialogWithNamedListsAndEscapeCancels) {
    auto picker = Window3::Instance();
    AccessibleFacts window;
    std::vector<std::string> lists;
    ModalScript::Push([&](Modal& modal) {
        window = AccessibleOf(*modal.window);
        lists = {AccessibleOf(*picker->Listbox1).name, AccessibleOf(*picker->Listbox2).name};
        picker->Listbox1->SetListIndex(kOldMacRow);
        picker->Listbox2->SetListIndex(0);
        PressKey(*picker->Listbox2, Key::Escape);
    });
    picker->ShowModal();

    EXPECT_EQ(window.name, "旧マシンのディスクとユーザの選択");
    EXPECT_EQ(window.role, "dialog");
    EXPECT_EQ(picker->Title().ToUTF8(), "Untitled");
    EXPECT_EQ(lists, (std::vector<std::string>{"旧マシンのディスクを選択してください。",
                                               "ユーザを選択してください。"}));
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(picker->pVolNo, -1);
    EXPECT_TRUE(picker->pUser.IsEmpty());
}

// The one user row that the arrow keys reach is the chosen one.
TEST_F(PickerTest, TheUserRowTheArrowKeysReachIsChosen) {
    auto picker = Window3::Instance();
    picker->Listbox1->SetListIndex(kBackupRow);
    RunEventLoopUntil([] { return false; }, 20);
    FocusOn(*picker->Listbox2);
    PressKey(*picker->Listbox2, Key::Down);
    ASSERT_TRUE(RunEventLoopUntil([&] { return picker->Listbox2->ListIndex() == 0; }));
    EXPECT_TRUE(AccessibleCells(*picker->Listbox2)[0][0].selected);

    picker->PushButton2->Push();
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(picker->pVolNo, kBackupRow);
    EXPECT_EQ(picker->pUser.ToUTF8(), "kenta");
}

class LonePickerTest : public WizardTest {
protected:
    FakeMachine machine;
};

TEST_F(LonePickerTest, OnlyTheStartupDiskLeavesOnlyCancel) {
    auto picker = Window3::Instance();
    EXPECT_EQ(RowsOf(*picker->Listbox1),
              (std::vector<std::string>{"Macintosh HD（起動ディスク・選択不可）"}));
    picker->Listbox1->SetListIndex(0);
    picker->Listbox2->SetListIndex(0);
    AnswerAlert(&Modal::PressActionButton);
    picker->PushButton2->Push();
    EXPECT_TRUE(picker->Visible());
    picker->PushButton1->Push();
    EXPECT_EQ(picker->pVolNo, -1);
}

} // namespace

// Items added by hand through STEP 2's folder and file buttons.

#include "platform/gui/ModalScript.h"
#include "platform/threads/Cooperative.h"
#include "tests/gather/GatheringTest.h"

namespace {

class ManualAdd : public GatheringTest {
protected:
    void SetUp() override {
        GatheringTest::SetUp();
        GatherByDevice();
    }
    void WaitForRows(std::size_t count) {
        WaitUntil([this, count] { return Rows().size() == count; });
    }
};

TEST_F(ManualAdd, PackageIsAnApplicationExpandedAtOnce) {
    AddFolderByHand(Disk().AppBundle("Elsewhere/Tessaro.app", "APPLqWt4"));
    WaitForRows(2);
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{{"Tessaro", "", "0:", "", true},
                                             {"Tessaro.app", "A", "0", "アプリ", true}}));
}

TEST_F(ManualAdd, FolderOfTheMakersDocumentsIsOneDocumentFolderRow) {
    Disk().File("Elsewhere/Plans/read me.txt");
    Disk().TypedFile("Elsewhere/Plans/Plan", "Tkmo", "qWt5");
    AddFolderByHand(Disk().Item("Elsewhere/Plans"));
    WaitForRows(1);
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{{"Plans", "DD", "0", "", true}}));
    EXPECT_EQ(RecordKinds(), std::vector<std::string>{"DD"});
}

TEST_F(ManualAdd, DocumentFileIsOneDocumentRow) {
    AddFileByHand(Disk().TypedFile("Elsewhere/Plan", "Tbx3", "qWt1", Storage::AppleDouble));
    WaitForRows(1);
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{{"Plan", "D", "0", "", true}}));
}

TEST_F(ManualAdd, FolderWithApplicationAndDocumentsIsTheProduct) {
    Disk().TypedFile("Elsewhere/Brisko/Plan", "Tbx3", "qWt1");
    Disk().AppBundle("Elsewhere/Brisko/Brisko.app", "APPLqWtm");
    AddFolderByHand(Disk().Item("Elsewhere/Brisko"));
    WaitForRows(2);
    EXPECT_EQ(Rows(), (std::vector<ShownRow>{{"Brisko", "", "0:", "", true},
                                             {"Brisko", "AD", "0", "アプリ", true}}));
}

struct Unwanted {
    const char* name;
    const char* code; // of the application in the folder; "" for none
};

void PrintTo(const Unwanted& value, std::ostream* out) {
    *out << value.name;
}

class UnwantedFolder : public ManualAdd, public testing::WithParamInterface<Unwanted> {};

TEST_P(UnwantedFolder, ShowsTheCautionAndRegistersNothing) {
    Disk().File("Elsewhere/Folder/read me.txt");
    if (*GetParam().code)
        Disk().AppBundle("Elsewhere/Folder/App.app", GetParam().code);
    AddFolderByHand(Disk().Item("Elsewhere/Folder"));
    ExpectNothingFoundCaution();
    WaitUntil([this] { return cautionShown; });
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(wizard->pFI.empty());
}

INSTANTIATE_TEST_SUITE_P(Gathering, UnwantedFolder,
                         testing::Values(Unwanted{"Unrelated", ""},
                                         Unwanted{"SolvaCard", "APPLqWt3"},
                                         Unwanted{"Dorvan", "APPLqWtr"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ManualAdd, CancelledDialogDoesNothing) {
    AddFileByHand(Nil);
    AddFolderByHand(Nil);
    WaitUntil([] { return ModalScript::Pending() == 0; });
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(wizard->pFI.empty());
}

TEST_F(ManualAdd, ItemAlreadyListedKeepsItsIndex) {
    const FolderItem plan = Disk().TypedFile("Elsewhere/Plan", "Tbx3", "qWt1");
    AddFileByHand(plan);
    WaitForRows(1);
    AddFileByHand(plan);
    WaitForRows(2);
    EXPECT_EQ(Rows()[1], Rows()[0]);
    EXPECT_EQ(wizard->pFI.size(), 1u);
}

// The registration yields; rows that appear above the new row meanwhile must
// not take its index.
TEST_F(ManualAdd, DocumentKeepsItsIndexWhenRowsAboveExpandMeanwhile) {
    Disk().Folder(UserFolder("Preferences/Kelmo初期設定"));
    Disk().AppBundle("Applications/K1/Kelmo.app", "APPLqWt5");
    Disk().AppBundle("Applications/K2/Kelmo.app", "APPLqWt5");
    wizard->PushButton8->Push();
    WaitForScanEnd();
    List().SetExpanded(0, false);
    const int before = List().ListCount();
    AddFileByHand(Disk().TypedFile("Elsewhere/Plan", "Tbx3", "qWt1"));
    for (int pass = 0; pass < 100000 && List().ListCount() == before; ++pass)
        coop::YieldToNextThread();
    List().SetExpanded(0, true);
    WaitUntil([this] { return wizard->pFI.size() == 4; });
    ExpectRowsMatchRecords();
    EXPECT_EQ(Rows().back(), (ShownRow{"Plan", "D", "3", "", true}));
}

using ManualAddOnNetwork = GatheringTest;

TEST_F(ManualAddOnNetwork, DialogOpensInTheOldMachinesApplications) {
    FakeMacDisk& old = Machine().AddVolume("Old Mac");
    old.Folder("Applications");
    old.Folder("Users/hanako");
    ChooseNetwork("hanako");
    PressNextAndWait();
    FolderItem initial;
    ModalScript::Push([&initial](Modal& modal) {
        initial = modal.initialDirectory;
        modal.CancelChooser();
    });
    wizard->PushButton3->Push();
    ASSERT_FALSE(initial == Nil);
    EXPECT_EQ(initial.AbsolutePath(), String(old.Path("Applications")));
}

TEST_F(ManualAddOnNetwork, WithoutAnOldDiskShowsTheCautionAndNoDialog) {
    // A picker closed without a choice leaves volume 0 behind.
    ModalScript::Push([](Modal& modal) { modal.window->Hide(); });
    wizard->RadioButton2->SetValue(true);
    ASSERT_TRUE(wizard->RadioButton2->Value());
    PressNextAndWait();
    for (PushButton* button : {wizard->PushButton3, wizard->PushButton4}) {
        std::string message;
        ModalScript::Push([&message](Modal& modal) {
            EXPECT_EQ(modal.kind, ModalKind::MessageDialog);
            message = modal.message;
            modal.PressActionButton();
        });
        button->Push();
        EXPECT_EQ(message, "旧マシンのディスクが選択されていません。");
    }
}

} // namespace

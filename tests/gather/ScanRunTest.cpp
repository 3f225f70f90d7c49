// The full scan of STEP 2 as the wizard runs it: its start, its end (also
// after a stop), a re-scan, and manual adds running beside it.

#include "gather/Window2.h"
#include "tests/gather/GatheringTest.h"

namespace {

class ScanRun : public GatheringTest {
protected:
    void ExpectCompletionState() {
        EXPECT_TRUE(wizard->StaticText10->Enabled());
        EXPECT_EQ(wizard->StaticText10->Text(),
                  String("取得が完了したら、「次へ」ボタンを押して下さい。"));
        EXPECT_TRUE(wizard->PushButton2->Enabled());
        EXPECT_TRUE(wizard->PushButton3->Enabled());
        EXPECT_TRUE(wizard->PushButton4->Enabled());
        EXPECT_EQ(wizard->PushButton8->Caption(), String("再取得"));
        EXPECT_FALSE(Window2::Instance()->StaticText1->Visible());
        EXPECT_FALSE(Window2::Instance()->ProgressWheel1->Visible());
    }
    void ExpectAllExpanded() {
        for (int row = 0; row < List().ListCount(); ++row) {
            if (List().Cell(row, 1) == "") {
                EXPECT_TRUE(List().Expanded(row)) << "row " << row;
            }
        }
    }
    void AddProducts(int count) {
        for (int i = 0; i < count; ++i)
            Disk().AppBundle("Applications/Kelmo " + std::to_string(100 + i) + "/Kelmo.app",
                             "APPLqWt5");
    }
};

TEST_F(ScanRun, EmptyApplicationsFolderEndsInTheCompletionState) {
    Disk().Folder("Applications/Utilities");
    wizard->RadioButton1->SetValue(true);
    wizard->PushButton2->Push();
    EXPECT_FALSE(wizard->PushButton2->Enabled());
    EXPECT_FALSE(wizard->PushButton3->Enabled());
    EXPECT_FALSE(wizard->PushButton4->Enabled());
    EXPECT_EQ(wizard->PushButton8->Caption(), String("中止"));
    EXPECT_TRUE(Window2::Instance()->Visible());
    EXPECT_TRUE(Window2::Instance()->StaticText1->Visible());
    EXPECT_TRUE(Window2::Instance()->ProgressWheel1->Visible());
    WaitForScanEnd();
    EXPECT_TRUE(Rows().empty());
    ExpectCompletionState();
}

TEST_F(ScanRun, StopEndsAfterTheCurrentFolderWithTheCompletionState) {
    Disk().AppBundle("Applications/A/Kelmo.app", "APPLqWt5");
    Disk().AppBundle("Applications/B/Solvane.app", "APPLqWt1");
    Disk().AppBundle("Applications/C/Tessaro.app", "APPLqWt4");
    wizard->RadioButton1->SetValue(true);
    wizard->PushButton2->Push();
    wizard->PushButton8->Push();
    EXPECT_TRUE(wizard->pStopThread2);
    WaitForScanEnd();
    EXPECT_EQ(GroupNames(), std::vector<std::string>{"Kelmo"});
    ExpectAllExpanded();
    EXPECT_EQ(Rows().size(), 2u);
    ExpectCompletionState();
}

TEST_F(ScanRun, RescanRebuildsTheListWithTheSameIndexes) {
    Disk().Folder(UserFolder("Preferences/Kelmo初期設定"));
    Disk().AppBundle("Applications/K/Kelmo.app", "APPLqWt5");
    Disk().AppBundle("Applications/S/Solvane.app", "APPLqWt1");
    GatherByDevice();
    EXPECT_EQ(Rows()[0].index, "0:1:");
    EXPECT_EQ(Rows()[3].index, "2:");

    Disk().AppBundle("Applications/A/Brisko.app", "APPLqWtm");
    wizard->PushButton8->Push();
    EXPECT_FALSE(wizard->pStopThread2);
    WaitForScanEnd();
    std::vector<std::string> lists;
    for (const ShownRow& row : Rows())
        if (row.kind.empty())
            lists.push_back(row.name + " " + row.index);
    EXPECT_EQ(lists, (std::vector<std::string>{"Brisko 3:", "Kelmo 0:1:", "Solvane II 2:"}));
    EXPECT_EQ(wizard->pFI.size(), 4u);
    ExpectAllExpanded();
    ExpectCompletionState();
}

TEST_F(ScanRun, ManualAddsDuringARescanShareTheStore) {
    AddProducts(40);
    Disk().Folder(UserFolder("Preferences/Kelmo初期設定"));
    Disk().TypedFile("Elsewhere/Plans/Plan", "Tbx3", "qWt1");
    GatherByDevice();
    const std::size_t records = wizard->pFI.size();

    wizard->PushButton8->Push();
    AddFolderByHand(Disk().Item("Elsewhere/Plans"));
    AddFolderByHand(Disk().Item("Applications/Kelmo 100/Kelmo.app"));
    WaitForScanEnd();
    WaitUntil([this] { return GroupNames().size() == 41 && Rows().size() == 40 * 3 + 1 + 3; });
    ExpectRowsMatchRecords();
    EXPECT_EQ(wizard->pFI.size(), records + 2);
    int documentRows = 0;
    for (const ShownRow& row : Rows())
        if (row.kind == "DD")
            ++documentRows;
    EXPECT_EQ(documentRows, 1);
}

} // namespace

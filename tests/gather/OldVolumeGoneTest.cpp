// The network method when the old machine's disk, or the user's folder on
// it, has gone away since it was picked: nothing fails, nothing is found.

#include <filesystem>

#include "gather/Thread2.h"
#include "platform/gui/ModalScript.h"
#include "tests/gather/GatheringTest.h"

namespace {

class OldVolumeGone : public GatheringTest {
protected:
    void SetUp() override {
        GatheringTest::SetUp();
        old = &Machine().AddVolume("Old Mac");
        old->AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
        old->Folder("Users/hanako/Library/Preferences/Solvane初期設定");
        old->Folder("Users/hanako/Library/Application Support/Solvane II");
    }
    void RemoveOldDisk() { std::filesystem::remove_all(old->Path()); }
    // The finders of a gathering run on the old disk, run outside a scan.
    static std::pair<FolderItem, FolderItem> UserFolders() {
        Thread2 run;
        run.pExdrive = false;
        run.pVolNo = 1;
        run.pUser = "hanako";
        return {run.GetFolderPref(), run.GetFolderAS()};
    }

    FakeMacDisk* old = nullptr;
};

TEST_F(OldVolumeGone, FindersReachTheUserFoldersWhileTheDiskIsThere) {
    const auto [preferences, support] = UserFolders();
    ASSERT_FALSE(preferences == Nil);
    ASSERT_FALSE(support == Nil);
    EXPECT_EQ(preferences.AbsolutePath(), String(old->Path("Users/hanako/Library/Preferences")));
    EXPECT_EQ(support.AbsolutePath(),
              String(old->Path("Users/hanako/Library/Application Support")));
}

TEST_F(OldVolumeGone, FindersGiveNoneWithoutTheUserOrTheDisk) {
    for (const char* gone : {"Users/hanako", "Users", ""}) {
        std::filesystem::remove_all(old->Path(gone));
        const auto [preferences, support] = UserFolders();
        EXPECT_TRUE(preferences == Nil) << "without " << gone;
        EXPECT_TRUE(support == Nil) << "without " << gone;
    }
}

TEST_F(OldVolumeGone, ScanFindsNothingAndEndsNormally) {
    ChooseNetwork("hanako");
    RemoveOldDisk();
    PressNextAndWait();
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(wizard->pFI.empty());
    EXPECT_TRUE(wizard->PushButton2->Enabled());
    EXPECT_TRUE(wizard->StaticText10->Enabled());
}

TEST_F(OldVolumeGone, ManualAddDialogsOpenWithoutAnInitialFolder) {
    ChooseNetwork("hanako");
    PressNextAndWait();
    RemoveOldDisk();
    for (PushButton* button : {wizard->PushButton3, wizard->PushButton4}) {
        bool opened = false;
        ModalScript::Push([&opened](Modal& modal) {
            opened = true;
            EXPECT_TRUE(modal.initialDirectory == Nil);
            modal.CancelChooser();
        });
        button->Push();
        EXPECT_TRUE(opened);
    }
}

} // namespace

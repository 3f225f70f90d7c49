// End to end: a full gathering on a machine whose three products name their
// document folders in their preference files (as alias records and as a
// path) lists each folder under its product, and the copy to the external
// device carries them to the transfer folder's "Doc".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gather/GatheringTest.h"
#include "tests/gather/ProductPrefFiles.h"
#include "tests/support/FileInspection.h"
#include "tests/support/ScopedProgramFolder.h"
#include "tests/support/prefs/AliasRecordWriter.h"

using testprefs::AliasFieldsFor;
using testprefs::AliasRecordBytes;
using testprefs::AliasTargetKind;

class DocFolderGathering : public GatheringTest {
protected:
    void SetUp() override {
        GatheringTest::SetUp();
        FakeMacDisk& data = Machine().AddVolume("Data");
        const std::string documents = Machine().Home() + "/Documents/";

        Disk().AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt5");
        Disk().File(documents + "Kelmo書類/見積.kmo", "kelmo");
        WritePrefs(kKelmo, AliasRecordBytes(AliasFieldsFor("Macintosh HD", documents + "Kelmo書類",
                                                           AliasTargetKind::Folder, 2)));

        Disk().AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
        data.File("Projects/Solvane書類/plan.slv", "solvane");
        WritePrefs(kSolvane, AliasRecordBytes(AliasFieldsFor("Data", "Projects/Solvane書類",
                                                             AliasTargetKind::Folder, 3)));

        Disk().AppBundle("Applications/Tessaro/Tessaro.app", "APPLqWt4");
        const FolderItem tessaro = Disk().Folder(documents + "Tessaro書類");
        Disk().File(documents + "Tessaro書類/score.tsr", "tessaro");
        WritePrefs(kTessaro, StoredPath(kTessaro, tessaro.AbsolutePath().ToUTF8()));
    }

    // The product's preference file, its entry 19 naming the document folder.
    void WritePrefs(const PrefProduct& product, const std::string& entry19) {
        const std::string folder = UserFolder("Preferences/") + product.prefFolder;
        Disk().Folder(folder);
        testprefs::WriteBytes(Disk().Path(folder + "/" + product.fileName),
                              PrefFileBytes(product, PrefFileNaming(entry19)));
    }

    // The copy writes beside the program, on the external device.
    FakeMacDisk device{"Device"};

private:
    ScopedProgramFolder programFolder_{device.Path()};
};

TEST_F(DocFolderGathering, EveryProductListsItsDocumentFolder) {
    GatherByDevice();
    const std::vector<ShownRow> expected = {
        {"Kelmo", "", "0:1:2:", "", true},
        {"Kelmo", "AD", "0", "アプリ", true},
        {"Kelmo初期設定", "P", "1", "初期設定", true},
        {"Kelmo書類", "DD", "2", "書類", true},
        {"Solvane II", "", "3:4:5:", "", true},
        {"Solvane", "AD", "3", "アプリ", true},
        {"Solvane初期設定", "P", "4", "初期設定", true},
        {"Solvane書類", "DD", "5", "書類", true},
        {"Tessaro", "", "6:7:8:", "", true},
        {"Tessaro", "AD", "6", "アプリ", true},
        {"Tessaro初期設定", "P", "7", "初期設定", true},
        {"Tessaro書類", "DD", "8", "書類", true},
    };
    EXPECT_EQ(Rows(), expected);
    ExpectRowsMatchRecords();
}

TEST_F(DocFolderGathering, DeviceCopyCarriesTheDocumentFoldersToDoc) {
    GatherByDevice();
    wizard->PushButton2->Push();
    ASSERT_EQ(wizard->PagePanel1->Value(), 2);
    wizard->PushButton5->Push();
    WaitUntil([this] { return !wizard->pRunningCP; });
    EXPECT_EQ(ContentsOf(device.Path("temp/Doc/Kelmo書類/見積.kmo")), "kelmo");
    EXPECT_EQ(ContentsOf(device.Path("temp/Doc/Solvane書類/plan.slv")), "solvane");
    EXPECT_EQ(ContentsOf(device.Path("temp/Doc/Tessaro書類/score.tsr")), "tessaro");
}

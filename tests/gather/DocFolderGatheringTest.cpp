// End to end: a full gathering on a disk whose three products name their
// document folders in their preference files (as alias records and as a
// path) lists each folder under its product, through the external device
// and through the network; the copy to the device carries them to the
// transfer folder's "Doc".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/gather/GatheringTest.h"
#include "tests/gather/ProductPrefFiles.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScopedProgramFolder.h"
#include "tests/support/prefs/AliasRecordWriter.h"

using testprefs::AliasFieldsFor;
using testprefs::AliasRecordBytes;
using testprefs::AliasTargetKind;

class DocFolderGathering : public GatheringTest {
protected:
    // The three products on the disk of that volume name, with the user
    // "taro": Kelmo's documents named by an alias record of version 2 on the
    // same disk, Solvane's by one of version 3 on a volume of projects,
    // Tessaro's by the absolute path.
    void InstallProducts(FakeMacDisk& disk, const std::string& volumeName) {
        const std::string documents = "Users/taro/Documents/";

        disk.AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt5");
        disk.File(documents + "Kelmo書類/見積.kmo", "kelmo");
        WritePrefs(disk, kKelmo,
                   AliasRecordBytes(AliasFieldsFor(volumeName, documents + "Kelmo書類",
                                                   AliasTargetKind::Folder, 2)));

        disk.AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
        projects.File("Solvane書類/plan.slv", "solvane");
        WritePrefs(disk, kSolvane,
                   AliasRecordBytes(
                       AliasFieldsFor("Projects", "Solvane書類", AliasTargetKind::Folder, 3)));

        disk.AppBundle("Applications/Tessaro/Tessaro.app", "APPLqWt4");
        const FolderItem tessaro = disk.Folder(documents + "Tessaro書類");
        disk.File(documents + "Tessaro書類/score.tsr", "tessaro");
        WritePrefs(disk, kTessaro, StoredPath(kTessaro, tessaro.AbsolutePath().ToUTF8()));
    }

    // The product's preference file, its entry 19 naming the document folder.
    static void WritePrefs(FakeMacDisk& disk, const PrefProduct& product,
                           const std::string& entry19) {
        const std::string folder =
            std::string("Users/taro/Library/Preferences/") + product.prefFolder;
        disk.Folder(folder);
        testprefs::WriteBytes(disk.Path(folder + "/" + product.fileName),
                              PrefFileBytes(product, PrefFileNaming(entry19)));
    }

    // The copy writes beside the program, on the external device.
    FakeMacDisk device{"Device"};
    FakeMacDisk& projects = Machine().AddVolume("Projects");

private:
    ScopedProgramFolder programFolder_{device.Path()};
};

namespace {

const std::vector<ShownRow> kListedProducts = {
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

} // namespace

TEST_F(DocFolderGathering, EveryProductListsItsDocumentFolder) {
    InstallProducts(Disk(), "Macintosh HD");
    GatherByDevice();
    EXPECT_EQ(Rows(), kListedProducts);
    ExpectRowsMatchRecords();
}

TEST_F(DocFolderGathering, OldMachinesDiskListsTheDocumentFoldersItNames) {
    // Listed before "Projects", so the picker's first volume.
    InstallProducts(Machine().AddVolume("Old Mac"), "Old Mac");
    ChooseNetwork("taro");
    PressNextAndWait();
    EXPECT_EQ(Rows(), kListedProducts);
    ExpectRowsMatchRecords();
}

TEST_F(DocFolderGathering, DeviceCopyCarriesTheDocumentFoldersToDoc) {
    InstallProducts(Disk(), "Macintosh HD");
    GatherByDevice();
    wizard->PushButton2->Push();
    ASSERT_EQ(wizard->PagePanel1->Value(), 2);
    wizard->PushButton5->Push();
    WaitUntil([this] { return !wizard->pRunningCP; });
    EXPECT_EQ(ContentsOf(device.Path("temp/Doc/Kelmo書類/見積.kmo")), "kelmo");
    EXPECT_EQ(ContentsOf(device.Path("temp/Doc/Solvane書類/plan.slv")), "solvane");
    EXPECT_EQ(ContentsOf(device.Path("temp/Doc/Tessaro書類/score.tsr")), "tessaro");
}

class SameNamedOldDisk : public DocFolderGathering, public testing::WithParamInterface<bool> {};

// The old machine's disk is "Macintosh HD" as this machine's is, and this
// machine too has a folder where Kelmo's record points: the network copy,
// replacing or keeping, still brings the old machine's documents.
TEST_P(SameNamedOldDisk, NetworkCopyBringsTheOldMachinesDocuments) {
    FakeMacDisk& old = Machine().AddVolume("Macintosh HD"); // the picker's volume 1
    old.AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt5");
    old.File("Users/Shared/Kelmo書類/見積.kmo", "old");
    WritePrefs(old, kKelmo,
               AliasRecordBytes(AliasFieldsFor("Macintosh HD", "Users/Shared/Kelmo書類",
                                               AliasTargetKind::Folder, 2)));
    Disk().File("Users/Shared/Kelmo書類/見積.kmo", "new");

    ChooseNetwork("taro");
    PressNextAndWait();
    wizard->PushButton2->Push();
    ASSERT_EQ(wizard->PagePanel1->Value(), 2);
    (GetParam() ? wizard->RadioButton3 : wizard->RadioButton4)->SetValue(true);
    wizard->PushButton5->Push();
    WaitUntil([this] { return !wizard->pRunningCP; });
    EXPECT_EQ(ContentsOf(Disk().Path(Machine().Home() + "/Documents/Kelmo書類/見積.kmo")), "old");
}

INSTANTIATE_TEST_SUITE_P(Choices, SameNamedOldDisk, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Replace" : "Keep";
                         });

struct SameNameRoute {
    const char* name;
    bool network; // the old machine's disk chosen in the picker; else the device on this machine
};

void PrintTo(const SameNameRoute& value, std::ostream* out) {
    *out << value.name;
}

class SameNamedDisksRoute : public DocFolderGathering,
                            public testing::WithParamInterface<SameNameRoute> {};

// This machine's disk and another mounted beside it are both "Macintosh HD",
// both with the folders that Kelmo's alias record and Tessaro's Mac path
// name, and the record keeps no date. The route's own disk is taken for
// both: the start-up disk where the assistant runs on the old machine
// itself, the picker's disk across the network.
TEST_P(SameNamedDisksRoute, RecordAndMacPathTakeTheRoutesDisk) {
    FakeMacDisk& beside = Machine().AddVolume("Macintosh HD"); // the picker's volume 1
    FakeMacDisk& old = GetParam().network ? beside : Disk();
    const std::string documents = "Users/taro/Documents/";
    for (FakeMacDisk* disk : {&Disk(), &beside}) {
        disk->Folder(documents + "Kelmo書類");
        disk->Folder(documents + "Tessaro書類");
    }
    old.AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt5");
    WritePrefs(old, kKelmo,
               AliasRecordBytes(AliasFieldsFor("Macintosh HD", documents + "Kelmo書類",
                                               AliasTargetKind::Folder, 2)));
    old.AppBundle("Applications/Tessaro/Tessaro.app", "APPLqWt4");
    WritePrefs(old, kTessaro,
               StoredPath(kTessaro, "Macintosh HD:Users:taro:Documents:Tessaro書類"));

    if (GetParam().network) {
        ChooseNetwork("taro");
        PressNextAndWait();
    } else {
        GatherByDevice();
    }

    std::vector<std::string> documentFolders;
    for (const TransferItem& record : wizard->pFI)
        if (record.kind == "DD")
            documentFolders.push_back(record.item.PosixPath());
    EXPECT_EQ(documentFolders, (std::vector<std::string>{old.Path(documents + "Kelmo書類"),
                                                         old.Path(documents + "Tessaro書類")}));
}

INSTANTIATE_TEST_SUITE_P(Routes, SameNamedDisksRoute,
                         testing::Values(SameNameRoute{"DeviceTakesTheStartupDisk", false},
                                         SameNameRoute{"NetworkTakesThePickersDisk", true}),
                         [](const testing::TestParamInfo<SameNameRoute>& info) {
                             return info.param.name;
                         });

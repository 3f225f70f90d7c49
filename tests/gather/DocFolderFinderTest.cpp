// The document-folder finders and readers of Solvane, Tessaro and Kelmo on
// preference files written as each product writes them: entry 19 as a path
// or an alias record, the entries that can't be resolved and what the user
// is told of them, and damaged or missing files giving nothing.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gather/Thread2.h"
#include "platform/gui/ModalScript.h"
#include "tests/gather/GatheringTest.h"
#include "tests/gather/ProductPrefFiles.h"
#include "tests/support/prefs/AliasRecordWriter.h"

using testprefs::AliasFieldsFor;
using testprefs::AliasRecordBytes;
using testprefs::AliasTargetKind;
using testprefs::PrefFile;

namespace {

std::string FolderAlias(const std::string& volume, const std::string& path, int version = 3) {
    return AliasRecordBytes(AliasFieldsFor(volume, path, AliasTargetKind::Folder, version));
}

} // namespace

class DocFolderFinder : public GatheringTest, public testing::WithParamInterface<PrefProduct> {
protected:
    void SetUp() override {
        GatheringTest::SetUp();
        data = &Machine().AddVolume("Data");
        documents = Disk().Folder(Machine().Home() + "/Documents/書類 " + GetParam().name);
        thread = std::make_shared<Thread2>();
        thread->pWin1 = wizard;
        thread->pExdrive = true;
    }
    void TearDown() override {
        thread.reset();
        GatheringTest::TearDown();
    }

    std::string PrefFolder() const { return UserFolder("Preferences/") + GetParam().prefFolder; }
    void WritePrefs(const PrefFile& file) { WritePrefBytes(PrefFileBytes(GetParam(), file)); }
    void WritePrefBytes(const std::string& bytes) {
        Disk().Folder(PrefFolder());
        testprefs::WriteBytes(Disk().Path(PrefFolder() + "/" + GetParam().fileName), bytes);
    }
    // Entry text naming the document folder by its absolute path.
    std::string DocumentsPath() const {
        return StoredPath(GetParam(), documents.AbsolutePath().ToUTF8());
    }

    FolderItem Read() { return ((*thread).*GetParam().reader)(Disk().Item(PrefFolder())); }
    std::string Find(const std::string& list) {
        const FolderItem application = Disk().Item("Applications/Product");
        return ((*thread).*GetParam().finder)(String(list), application).ToUTF8();
    }

    // Scripts a message box: its text is kept and OK pressed.
    void ExpectMessage() {
        ModalScript::Push([this](Modal& modal) {
            EXPECT_EQ(modal.kind, ModalKind::MsgBox);
            messages.push_back(modal.message);
            modal.PressActionButton();
        });
    }
    // Scripts the folder chooser: `choice` is chosen, Nil cancels.
    void ExpectChooser(const FolderItem& choice) {
        ModalScript::Push([choice](Modal& modal) {
            EXPECT_EQ(modal.kind, ModalKind::SelectFolder);
            if (choice == Nil)
                modal.CancelChooser();
            else
                modal.Choose(choice);
        });
    }
    // An entry that can't be resolved: the alias's message, the chooser
    // cancelled, then the reader's own message.
    void ExpectUnresolvedEntry() {
        ExpectMessage();
        ExpectChooser(Nil);
        ExpectMessage();
    }

    FakeMacDisk* data = nullptr;
    FolderItem documents;
    std::vector<std::string> messages;
    std::shared_ptr<Thread2> thread;
};

TEST_P(DocFolderFinder, AbsolutePathInEntry19GivesThatFolder) {
    PrefFile file = PrefFileNaming(DocumentsPath());
    file.skipped.clear(); // n = 0
    WritePrefs(file);
    const FolderItem found = Read();
    ASSERT_NE(found, Nil);
    EXPECT_EQ(found.AbsolutePath(), documents.AbsolutePath());
}

TEST_P(DocFolderFinder, AliasRecordInEntry19GivesTheFolderOnItsVolume) {
    const FolderItem target = data->Folder("Projects/書類");
    for (const int version : {2, 3}) {
        WritePrefs(PrefFileNaming(FolderAlias("Data", "Projects/書類", version)));
        const FolderItem found = Read();
        ASSERT_NE(found, Nil) << "version " << version;
        EXPECT_EQ(found.AbsolutePath(), target.AbsolutePath()) << "version " << version;
    }
}

TEST_P(DocFolderFinder, RegistersTheFolderAsDocumentFolderAfterTheListSoFar) {
    wizard->AddFIlist(Disk().Folder("Applications/Product"), "AD");
    WritePrefs(PrefFileNaming(DocumentsPath()));
    EXPECT_EQ(Find("0:"), "0:1:");
    ASSERT_EQ(wizard->pFI.size(), 2u);
    EXPECT_EQ(wizard->pFI[1].kind, "DD");
    EXPECT_EQ(wizard->pFI[1].item.AbsolutePath(), documents.AbsolutePath());
}

TEST_P(DocFolderFinder, MissingPreferenceFolderOrFileRegistersNothing) {
    EXPECT_EQ(Find("0:"), "0:");
    Disk().Folder(PrefFolder());
    EXPECT_EQ(Read(), Nil);
    EXPECT_EQ(Find("0:"), "0:");
    EXPECT_TRUE(wizard->pFI.empty());
}

TEST_P(DocFolderFinder, UnreachableUserFolderRegistersNothing) {
    WritePrefs(PrefFileNaming(DocumentsPath()));
    thread->pExdrive = false; // the network method, with no old machine mounted
    thread->pVolNo = 7;
    thread->pUser = "taro";
    EXPECT_EQ(Find("0:"), "0:");
    EXPECT_TRUE(wizard->pFI.empty());
}

TEST_P(DocFolderFinder, MissingDocumentFolderRegistersNothing) {
    WritePrefs(PrefFileNaming(StoredPath(GetParam(), Disk().Path("Users/taro/Gone"))));
    EXPECT_EQ(Find(""), "");
    EXPECT_TRUE(wizard->pFI.empty());
}

// An empty path would name the program's own folder: it must never be
// registered as the product's documents.
TEST_P(DocFolderFinder, EmptyEntry19GivesNothing) {
    WritePrefs(PrefFile{});
    EXPECT_EQ(Read(), Nil);
    EXPECT_EQ(Find(""), "");
    EXPECT_TRUE(wizard->pFI.empty());
}

TEST_P(DocFolderFinder, UnresolvableEntry19IsToldOfAndGivesNothing) {
    WritePrefs(PrefFileNaming(FolderAlias("Data", "Gone")));
    ExpectUnresolvedEntry();
    EXPECT_EQ(Read(), Nil);
    EXPECT_EQ(messages,
              (std::vector<std::string>{"「Data:Gone」が見つかりません。再指定して下さい。",
                                        NotFoundMessage(GetParam(), 19)}));
}

TEST_P(DocFolderFinder, FolderChosenForAnUnresolvableEntryIsTaken) {
    const FolderItem chosen = data->Folder("Elsewhere");
    WritePrefs(PrefFileNaming(FolderAlias("Data", "Gone")));
    ExpectMessage();
    ExpectChooser(chosen);
    EXPECT_EQ(Find(""), "0:");
    ASSERT_EQ(wizard->pFI.size(), 1u);
    EXPECT_EQ(wizard->pFI[0].item.AbsolutePath(), chosen.AbsolutePath());
}

TEST_P(DocFolderFinder, UnresolvableEntry18IsToldOfWithoutLosingTheFolder) {
    PrefFile file = PrefFileNaming(DocumentsPath());
    file.entries[18] = FolderAlias("Data", "Gone 18", 2);
    WritePrefs(file);
    ExpectUnresolvedEntry();
    EXPECT_EQ(Read().AbsolutePath(), documents.AbsolutePath());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], NotFoundMessage(GetParam(), 18));
}

TEST_P(DocFolderFinder, Entry17IsResolvedByAllButSolvane) {
    PrefFile file = PrefFileNaming(DocumentsPath());
    file.entries[17] = FolderAlias("Data", "Gone 17");
    WritePrefs(file);
    if (GetParam().resolvesEntry17)
        ExpectUnresolvedEntry();
    EXPECT_EQ(Read().AbsolutePath(), documents.AbsolutePath());
    if (GetParam().resolvesEntry17) {
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1], NotFoundMessage(GetParam(), 17));
    }
}

// Damaged files end the reading quietly: no message, nothing registered.
TEST_P(DocFolderFinder, DamagedFileGivesNothingWithoutAMessage) {
    const std::string intact = PrefFileBytes(GetParam(), PrefFileNaming(DocumentsPath()));
    PrefFile oversized = PrefFileNaming(DocumentsPath());
    oversized.m = 0x7FFFFFFF;
    PrefFile short19 = PrefFileNaming(DocumentsPath());
    short19.entries.resize(19);
    for (const std::string& damaged :
         {intact.substr(0, intact.size() - 1), intact.substr(0, intact.size() / 2),
          PrefFileBytes(GetParam(), oversized), PrefFileBytes(GetParam(), short19)}) {
        WritePrefBytes(damaged);
        EXPECT_EQ(Find(""), "");
    }
    EXPECT_TRUE(wizard->pFI.empty());
}

INSTANTIATE_TEST_SUITE_P(Products, DocFolderFinder, testing::ValuesIn(kPrefProducts),
                         PrintPrefProduct);

using DocFolderSharing = GatheringTest;

// Products naming the same folder share its record: each list gets its index.
TEST_F(DocFolderSharing, EveryProductGetsTheIndexOfTheRegisteredFolder) {
    const FolderItem shared = Disk().Folder(Machine().Home() + "/Documents/共有");
    auto finder = std::make_shared<Thread2>();
    finder->pWin1 = wizard;
    finder->pExdrive = true;
    wizard->AddFIlist(Disk().Folder("Applications/Product"), "AD");
    for (const PrefProduct& product : kPrefProducts) {
        const std::string folder = UserFolder("Preferences/") + product.prefFolder;
        Disk().Folder(folder);
        testprefs::WriteBytes(
            Disk().Path(folder + "/" + product.fileName),
            PrefFileBytes(product,
                          PrefFileNaming(StoredPath(product, shared.AbsolutePath().ToUTF8()))));
        EXPECT_EQ(((*finder).*product.finder)("0:", Nil).ToUTF8(), "0:1:") << product.name;
    }
    EXPECT_EQ(wizard->pFI.size(), 2u);
}

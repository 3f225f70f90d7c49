// STEP 4 on the new machine: the paste of what the copy left in the transfer
// folder, driven through the wizard's buttons.

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/files/Scratch.h"
#include "platform/gui/Application.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScopedFileSizeLimit.h"
#include "tests/support/TreeSnapshot.h"
#include "tests/transfer/ScopedUnreadableFile.h"
#include "tests/transfer/TransferTest.h"
#include "transfer/TransferRecord.h"

namespace {

using Names = std::vector<std::string>;

class Paste : public TransferTest {
protected:
    bool StartsOnPasteSide() const override { return true; }

    void SetUp() override {
        TransferTest::SetUp();
        ASSERT_EQ(wizard->PagePanel1->Value(), 3);
        ASSERT_EQ(wizard->pPastePhase, Window1::kPasteSide);
    }

    // The transfer folder as a copy leaves it: an application folder and a
    // package in "App", a preference folder, an Application Support folder,
    // a document folder and a document file.
    void FillTransferFolder() {
        device.AppBundle("temp/App/Kelmo/Kelmo.app", "APPLqWt5");
        device.TypedFile("temp/App/Kelmo/Kelmo Plan", "Tkmo", "qWt5", Storage::AppleDouble,
                         "plan 2");
        device.SymbolicLink("temp/App/Kelmo/Latest Plan", "Kelmo Plan");
        device.AppBundle("temp/App/Tessaro.app", "APPLqWt4");
        device.File("temp/Pref/Kelmo初期設定/Kelmo Prefs", "prefs 2");
        device.File("temp/AS/Kelmo/Templates/Letter", "letter");
        device.File("temp/Doc/Letters/To Taro", "hello");
        device.TypedFile("temp/Doc/Plan", "Tbx3", "qWt1", Storage::AppleDouble, "plan");
    }
    // Entries of those names that the new machine has already.
    void FillExistingEntries() {
        Disk().File("Applications/Kelmo/Kelmo Plan", "plan 1");
        Disk().File("Applications/Kelmo/Old Notes", "notes");
        Disk().File(Home("Library/Preferences/Kelmo初期設定/Kelmo Prefs"), "prefs 1");
    }
    void ChooseReplace(bool replace) {
        (replace ? wizard->RadioButton5 : wizard->RadioButton6)->SetValue(true);
    }

    void ExpectPasted(const std::string& transferred, const std::string& destination) {
        EXPECT_EQ(SnapshotOf(TransferPath(transferred)), SnapshotOf(DiskPath(destination)))
            << destination;
    }
    void ExpectCompleted() {
        EXPECT_EQ(InstructionText(), texts::kPasteDone);
        EXPECT_FALSE(wizard->PushButton6->Enabled());
        EXPECT_EQ(wizard->PushButton6->Caption(), String("ペースト"));
        EXPECT_FALSE(wizard->ProgressBar2->Visible());
        EXPECT_EQ(wizard->StaticText25->Text(), String(""));
        EXPECT_TRUE(wizard->PushButton2->Enabled());
        EXPECT_EQ(wizard->PushButton2->Caption(), String("終了"));
        EXPECT_EQ(wizard->pPastePhase, Window1::kPasteFinished);
        EXPECT_FALSE(wizard->pIncompleteCP);
        EXPECT_EQ(caution.count, 0);
    }
    std::string Applications() const { return DiskPath("Applications"); }
};

TEST_F(Paste, EveryVisibleEntryGoesIntoItsFolderAndHiddenOnesStay) {
    FillTransferFolder();
    device.Folder("temp/App/Secret");
    device.SetInvisible("temp/App/Secret");
    device.Folder("temp/App/.cache");
    device.File("temp/Doc/.DS_Store", "view");
    ChooseReplace(true);
    PressPaste();

    ExpectCompleted();
    EXPECT_EQ(wizard->ProgressBar2->Maximum(), 6);
    EXPECT_EQ(wizard->ProgressBar2->Value(), 6);
    EXPECT_EQ(EntryNamesIn(Applications()), (Names{"Kelmo", "Tessaro.app"}));
    EXPECT_EQ(EntryNamesIn(DiskPath(Home("Documents"))), (Names{"Letters", "Plan"}));
    ExpectPasted("App/Kelmo", "Applications/Kelmo");
    ExpectPasted("App/Tessaro.app", "Applications/Tessaro.app");
    ExpectPasted("Pref/Kelmo初期設定", Home("Library/Preferences/Kelmo初期設定"));
    ExpectPasted("AS/Kelmo", Home("Library/Application Support/Kelmo"));
    ExpectPasted("Doc/Letters", Home("Documents/Letters"));
    ExpectPasted("Doc/Plan", Home("Documents/Plan"));
    // The transfer folder is only read.
    EXPECT_EQ(EntryNamesIn(TransferPath("App")),
              (Names{".cache", "Kelmo", "Secret", "Tessaro.app"}));
}

class PasteReplaceOrKeep : public Paste, public testing::WithParamInterface<bool> {};

TEST_P(PasteReplaceOrKeep, ExistingEntriesAreReplacedWholeOrKeptUntouched) {
    const bool replace = GetParam();
    FillTransferFolder();
    FillExistingEntries();
    const auto kelmoBefore = SnapshotOf(DiskPath("Applications/Kelmo"));
    const auto prefsBefore = SnapshotOf(DiskPath(Home("Library/Preferences/Kelmo初期設定")));
    ChooseReplace(replace);
    PressPaste();

    // Keeping is the user's choice: the run completes and counts the kept items.
    ExpectCompleted();
    EXPECT_EQ(wizard->ProgressBar2->Value(), 6);
    if (replace) {
        ExpectPasted("App/Kelmo", "Applications/Kelmo");
        ExpectPasted("Pref/Kelmo初期設定", Home("Library/Preferences/Kelmo初期設定"));
    } else {
        EXPECT_EQ(SnapshotOf(DiskPath("Applications/Kelmo")), kelmoBefore);
        EXPECT_EQ(SnapshotOf(DiskPath(Home("Library/Preferences/Kelmo初期設定"))), prefsBefore);
    }
    ExpectPasted("App/Tessaro.app", "Applications/Tessaro.app");
    EXPECT_EQ(NamesIn(Applications()), (Names{"Kelmo", "Tessaro.app"}));
}

INSTANTIATE_TEST_SUITE_P(Choices, PasteReplaceOrKeep, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Replace" : "Keep";
                         });

// Two folders of the transfer folder whose names the new machine's folders
// take for one, as a device that tells them apart can hold them.
class PasteSameName : public Paste,
                      public testing::WithParamInterface<std::tuple<bool, SameNameCase>> {};

TEST_P(PasteSameName, ASecondFolderOfANameIsAFailureAndTheFirstStaysAsItArrived) {
    const auto& [replace, row] = GetParam();
    // Names a Mac disk takes for one are listed in the order of their bytes.
    const std::string firstName = std::min<std::string>(row.first, row.second);
    const std::string secondName = std::max<std::string>(row.first, row.second);
    device.File("temp/Doc/" + firstName + "/Notes", "first");
    device.File("temp/Doc/" + secondName + "/Notes", "second");
    ChooseReplace(replace);
    ExpectCaution();
    PressPaste();

    const std::string first = DiskPath(Home("Documents/" + firstName));
    EXPECT_EQ(caution.explanation, secondName + "\n\n原因：" + SameRunFailure(first));
    EXPECT_EQ(ContentsOf(first + "/Notes"), "first");
    EXPECT_EQ(InstructionText(), texts::kPasteIncomplete);
}

INSTANTIATE_TEST_SUITE_P(Choices, PasteSameName,
                         testing::Combine(testing::Bool(),
                                          testing::ValuesIn(kSameNames + 1, std::end(kSameNames))),
                         [](const testing::TestParamInfo<std::tuple<bool, SameNameCase>>& info) {
                             return std::string(std::get<0>(info.param) ? "Replace" : "Keep") +
                                    std::get<1>(info.param).name;
                         });

TEST_F(Paste, StoppedPasteCanBeResumedToTheEnd) {
    FillTransferFolder();
    ChooseReplace(false);
    StartPaste();
    WaitForStatus(*wizard->StaticText25);
    EXPECT_EQ(wizard->StaticText25->Text().ToUTF8(), Applications() + " にペースト中...");
    EXPECT_EQ(wizard->PushButton6->Caption(), String("中止"));
    EXPECT_FALSE(wizard->RadioButton5->Enabled());
    wizard->PushButton6->Push();
    WaitForRunEnd();

    EXPECT_EQ(InstructionText(), texts::kPasteStopped);
    EXPECT_TRUE(wizard->PushButton6->Enabled());
    EXPECT_EQ(wizard->PushButton6->Caption(), String("ペースト"));
    EXPECT_FALSE(wizard->PushButton7->Enabled());
    // The next run may take the other choice.
    EXPECT_TRUE(wizard->RadioButton5->Enabled());
    EXPECT_TRUE(wizard->RadioButton6->Enabled());
    EXPECT_EQ(wizard->pPastePhase, Window1::kPasteSide);
    EXPECT_EQ(EntryNamesIn(Applications()), Names{"Kelmo"});

    PressPaste();
    ExpectCompleted();
    EXPECT_EQ(EntryNamesIn(Applications()), (Names{"Kelmo", "Tessaro.app"}));
    ExpectPasted("Doc/Plan", Home("Documents/Plan"));
    QuitWithNext();
    EXPECT_FALSE(HasMarker());
}

TEST_F(Paste, AnEntryThatAKilledRunSetAsideIsBackBeforeItsNameIsLookedUp) {
    FillTransferFolder();
    FillExistingEntries();
    const auto kelmoBefore = SnapshotOf(DiskPath("Applications/Kelmo"));
    // A replace of an earlier paste, killed between its two renames.
    const ProcessOwner killed = EndedProcess();
    const int applications = open(Applications().c_str(), O_RDONLY | O_DIRECTORY);
    std::string aside;
    ASSERT_EQ(files::SetAside(applications, "Kelmo", aside), 0);
    ASSERT_EQ(renameat(applications, aside.c_str(), applications,
                       files::ScratchNameOf(killed.processId, killed.startTime, 1).c_str()),
              0);
    close(applications);
    ChooseReplace(false);
    PressPaste();

    ExpectCompleted();
    EXPECT_EQ(SnapshotOf(DiskPath("Applications/Kelmo")), kelmoBefore);
    EXPECT_EQ(NamesIn(Applications()), (Names{"Kelmo", "Tessaro.app"}));
}

// What the copy recorded and is gone from the transfer folder at paste time.
class RecordedButGone : public Paste, public testing::WithParamInterface<const char*> {};

TEST_P(RecordedButGone, IsAFailureNeverAPasteComplete) {
    FillTransferFolder();
    TransferRecord record;
    record.Add("Pref", "Kelmo初期設定");
    record.Add("Doc", "Letters");
    ASSERT_TRUE(record.Write(device.Item("temp")).Succeeded());
    std::filesystem::remove_all(TransferPath(GetParam()));
    ChooseReplace(true);
    ExpectCaution();
    PressPaste();

    EXPECT_EQ(caution.message, "ペーストできなかったアイテムがあります。");
    EXPECT_TRUE(caution.explanation.starts_with("Kelmo初期設定\n")) << caution.explanation;
    EXPECT_EQ(InstructionText(), texts::kPasteIncomplete);
    ExpectPasted("Doc/Letters", Home("Documents/Letters"));
}

INSTANTIATE_TEST_SUITE_P(Gone, RecordedButGone, testing::Values("Pref", "Pref/Kelmo初期設定"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param) == "Pref" ? "SubFolder" : "Entry";
                         });

TEST_F(Paste, AFolderThatFailsWhileItIsWalkedIsReported) {
    for (const char* name : {"A", "B", "C"})
        device.File(std::string("temp/Doc/") + name + "/Notes", name);
    ChooseReplace(true);
    ExpectCaution();
    StartPaste();
    // The device fails once the first folder is in place.
    WaitUntil([this] { return std::filesystem::exists(DiskPath(Home("Documents/A"))); });
    {
        const ScopedUnreadableFile failing(TransferPath("Doc"));
        WaitForRunEnd();
    }

    // Named whether or not an item still in the walk failed with it.
    EXPECT_EQ(caution.message, "ペーストできなかったアイテムがあります。");
    EXPECT_NE(("\n" + caution.explanation).find("\nDoc\n"), std::string::npos)
        << caution.explanation;
    EXPECT_EQ(InstructionText(), texts::kPasteIncomplete);
}

// Links in the transfer folder, which anyone with the device may have put
// there, are never followed into this machine's own folders.
TEST_F(Paste, ALinkAmongTheItemsTravelsAsALink) {
    Disk().File(Home("Private/secret"), "the new Mac's own");
    device.SymbolicLink("temp/Pref/Kelmo初期設定", DiskPath(Home("Private")));
    ChooseReplace(true);
    PressPaste();

    ExpectCompleted();
    const std::string pasted = DiskPath(Home("Library/Preferences/Kelmo初期設定"));
    EXPECT_TRUE(std::filesystem::is_symlink(pasted));
}

TEST_F(Paste, ASubFolderThatIsALinkIsAFailure) {
    Disk().File(Home("Private/Kelmo初期設定/secret"), "the new Mac's own");
    device.SymbolicLink("temp/Pref", DiskPath(Home("Private")));
    ChooseReplace(true);
    ExpectCaution();
    PressPaste();

    EXPECT_EQ(InstructionText(), texts::kPasteIncomplete);
    EXPECT_FALSE(std::filesystem::exists(DiskPath(Home("Library/Preferences/Kelmo初期設定"))));
}

TEST_F(Paste, MissingTransferFolderShowsTheCautionAndLeavesThePage) {
    ChooseReplace(true);
    ExpectCaution();
    wizard->PushButton6->Push();
    WaitForRunEnd();

    EXPECT_EQ(caution.message, "ペースト用のフォルダがないので処理できません。");
    EXPECT_EQ(caution.explanation, "");
    EXPECT_EQ(wizard->PagePanel1->Value(), 3);
    EXPECT_EQ(InstructionText(), texts::kPasteWaiting);
    EXPECT_EQ(wizard->PushButton6->Caption(), String("ペースト"));
    EXPECT_TRUE(wizard->PushButton6->Enabled());
    EXPECT_TRUE(wizard->RadioButton5->Enabled());
    EXPECT_FALSE(wizard->ProgressBar2->Visible());
    EXPECT_FALSE(wizard->PushButton2->Enabled());
    EXPECT_EQ(wizard->pPastePhase, Window1::kPasteSide);
    // No paste can come from this device: quitting asks nothing and unmarks it.
    Quit();
    EXPECT_EQ(question.count, 0);
    EXPECT_EQ(QuitCount(), 1);
    EXPECT_FALSE(HasMarker());
}

TEST_F(Paste, WithoutAnOverwriteChoiceNothingStarts) {
    FillTransferFolder();
    ExpectCaution();
    wizard->PushButton6->Push();

    EXPECT_EQ(caution.message, texts::kNoChoice);
    EXPECT_EQ(caution.explanation, "どちらかを選択して下さい。");
    EXPECT_FALSE(wizard->pRunningCP);
    WaitUntil([] { return true; });
    EXPECT_EQ(NamesIn(Applications()), Names{});
    EXPECT_EQ(wizard->PushButton6->Caption(), String("ペースト"));
}

TEST_F(Paste, FailedReplaceKeepsTheOldEntryWholeAndLeavesNoTemporary) {
    FillTransferFolder();
    FillExistingEntries();
    device.File("temp/App/Kelmo/Movie", std::string(2 << 20, 'm'));
    const auto kelmoBefore = SnapshotOf(DiskPath("Applications/Kelmo"));
    ChooseReplace(true);
    ExpectCaution();
    {
        const ScopedFileSizeLimit limit(1 << 20);
        PressPaste();
    }

    EXPECT_EQ(caution.message, "ペーストできなかったアイテムがあります。");
    EXPECT_EQ(caution.explanation, "Kelmo\n\n原因：「" + DiskPath("Applications/Kelmo/Movie") +
                                       "」：ファイルが大きすぎて書き込めません。");
    EXPECT_EQ(SnapshotOf(DiskPath("Applications/Kelmo")), kelmoBefore);
    EXPECT_EQ(NamesIn(Applications()), (Names{"Kelmo", "Tessaro.app"}));
    EXPECT_EQ(InstructionText(), texts::kPasteIncomplete);
    EXPECT_TRUE(wizard->PushButton6->Enabled());
    EXPECT_EQ(wizard->pPastePhase, Window1::kPasteSide);
    EXPECT_TRUE(wizard->pIncompleteCP);
    // Next leads back to the waiting page; a quit asks and keeps the marker.
    wizard->PushButton2->Push();
    EXPECT_EQ(InstructionText(), texts::kPasteWaiting);
    AnswerQuitQuestion(true);
    Quit();
    EXPECT_EQ(question.message, texts::kPasteFailedQuestion);
    EXPECT_EQ(QuitCount(), 1);
    EXPECT_TRUE(HasMarker());
}

// A folder of the transfer folder that can't be listed: "temp" itself or a sub-folder.
struct UnlistableCase {
    const char* name;
    const char* folder; // in the transfer folder
    bool replacedByFile;
};

void PrintTo(const UnlistableCase& value, std::ostream* out) {
    *out << value.name;
}

class UnlistableFolder : public Paste, public testing::WithParamInterface<UnlistableCase> {};

TEST_P(UnlistableFolder, IsAFailureNamingItsPathNeverAnEmptyFolder) {
    FillTransferFolder();
    const std::string folder = TransferPath(GetParam().folder);
    if (GetParam().replacedByFile) {
        std::filesystem::remove_all(folder);
        device.File(std::string("temp/") + GetParam().folder, "not a folder");
    }
    ChooseReplace(true);
    ExpectCaution();
    {
        std::optional<ScopedUnreadableFile> unreadable;
        if (!GetParam().replacedByFile)
            unreadable.emplace(folder);
        PressPaste();
    }

    EXPECT_EQ(caution.message, "ペーストできなかったアイテムがあります。");
    EXPECT_NE(caution.explanation.find("原因：「" + folder + "」："), std::string::npos)
        << caution.explanation;
    EXPECT_EQ(InstructionText(), texts::kPasteIncomplete);
    EXPECT_EQ(wizard->pPastePhase, Window1::kPasteSide);
    EXPECT_TRUE(wizard->pIncompleteCP);
}

INSTANTIATE_TEST_SUITE_P(Folders, UnlistableFolder,
                         testing::Values(UnlistableCase{"TransferFolder", "", false},
                                         UnlistableCase{"SubFolder", "Pref", false},
                                         UnlistableCase{"SubFolderReplacedByAFile", "Doc", true}),
                         [](const testing::TestParamInfo<UnlistableCase>& info) {
                             return info.param.name;
                         });

TEST_F(Paste, StoppedRunWithFailuresNamesThemAndOffersTheChoiceAgain) {
    FillTransferFolder();
    FillExistingEntries();
    device.File("temp/App/Kelmo/Movie", std::string(2 << 20, 'm'));
    ChooseReplace(true);
    ExpectCaution();
    {
        const ScopedFileSizeLimit limit(1 << 20);
        StartPaste();
        WaitForStatus(*wizard->StaticText25);
        wizard->PushButton6->Push();
        WaitForRunEnd();
    }

    EXPECT_EQ(InstructionText(), texts::kPasteStopped);
    EXPECT_EQ(caution.message, "ペーストできなかったアイテムがあります。");
    EXPECT_TRUE(caution.explanation.starts_with("Kelmo\n")) << caution.explanation;
    EXPECT_TRUE(wizard->RadioButton5->Enabled());
    EXPECT_TRUE(wizard->RadioButton6->Enabled());
    // Keeping what is there now lets the rest through.
    ChooseReplace(false);
    caution = {};
    PressPaste();
    ExpectCompleted();
}

} // namespace

// The external-device route from end to end: the copy on the old machine,
// the quit that marks the device, the start on the new machine from the same
// device, the paste and the quit that unmarks it.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/TreeSnapshot.h"
#include "tests/transfer/TransferTest.h"

namespace {

using RoundTrip = TransferTest;

TEST_F(RoundTrip, EveryItemArrivesWholeInItsFolderOnTheNewMachine) {
    InstallKelmo(Disk(), Machine().Home());
    InstallTessaro(Disk(), Machine().Home());
    Disk().AppBundle("Elsewhere/Brisko.app", "APPLqWtm");
    Disk().TypedFile("Elsewhere/Plan", "Tbx3", "qWt1", Storage::AppleDouble, "plan");
    GatherByDevice();
    AddByHand(Disk().Item("Elsewhere/Brisko.app"), true);
    AddByHand(Disk().Item("Elsewhere/Plan"), false);
    // Where each item lies on the old machine and must lie on the new one.
    const std::map<std::string, std::string> places{
        {"Applications/Kelmo", "Applications/Kelmo"},
        {"Applications/Tessaro", "Applications/Tessaro"},
        {"Elsewhere/Brisko.app", "Applications/Brisko.app"},
        {Home("Library/Preferences/Kelmo初期設定"), "Library/Preferences/Kelmo初期設定"},
        {Home("Library/Preferences/Tessaro初期設定"), "Library/Preferences/Tessaro初期設定"},
        {Home("Library/Application Support/Kelmo"), "Library/Application Support/Kelmo"},
        {"Elsewhere/Plan", "Documents/Plan"}};
    std::map<std::string, std::vector<SnapshotEntry>> originals;
    for (const auto& [old, place] : places)
        originals[place] = SnapshotOf(DiskPath(old));
    GoToCopyStep();
    PressCopy();
    ASSERT_EQ(InstructionText(), texts::kCopyDone);
    QuitWithNext();
    ASSERT_TRUE(HasMarker());

    StartAgainOnNewMachine();
    EXPECT_EQ(wizard->PagePanel1->Value(), 3);
    EXPECT_EQ(wizard->pPastePhase, Window1::kPasteSide);
    wizard->RadioButton5->SetValue(true);
    PressPaste();
    EXPECT_EQ(InstructionText(), texts::kPasteDone);
    EXPECT_EQ(wizard->pPastePhase, Window1::kPasteFinished);
    EXPECT_EQ(wizard->ProgressBar2->Maximum(), 7);
    for (const auto& [place, original] : originals) {
        const std::string path =
            place.starts_with("Applications") ? DiskPath(place) : DiskPath(Home(place));
        EXPECT_EQ(SnapshotOf(path), original) << place;
    }

    QuitWithNext();
    EXPECT_FALSE(HasMarker(kBundle));
    EXPECT_FALSE(HasMarker(kSecondBundle));
    EXPECT_EQ(question.count, 0);
}

TEST_F(RoundTrip, EveryEntryTheCopyPutThereIsPastedWhateverItsVisibility) {
    InstallKelmo(Disk(), Machine().Home());
    InstallTessaro(Disk(), Machine().Home());
    Disk().SetInvisible(Home("Library/Preferences/Kelmo初期設定"));
    Disk().TypedFile("Elsewhere/.plan", "Tbx3", "qWt1", Storage::AppleDouble, "plan");
    GatherByDevice();
    AddByHand(Disk().Item("Elsewhere/.plan"), false);
    const auto prefs = SnapshotOf(DiskPath(Home("Library/Preferences/Kelmo初期設定")));
    GoToCopyStep();
    PressCopy();
    ASSERT_EQ(InstructionText(), texts::kCopyDone);
    QuitWithNext();
    // On the way: the Finder leaves its own files, and one copied entry is lost.
    device.File("temp/Doc/.DS_Store", "view");
    std::filesystem::remove_all(TransferPath("Pref/Tessaro初期設定"));

    StartAgainOnNewMachine();
    wizard->RadioButton5->SetValue(true);
    ExpectCaution();
    PressPaste();
    EXPECT_EQ(SnapshotOf(DiskPath(Home("Library/Preferences/Kelmo初期設定"))), prefs);
    // The companion travels with its document and is never an item of its own.
    EXPECT_EQ(NamesIn(DiskPath(Home("Documents"))), (std::vector<std::string>{"._.plan", ".plan"}));
    EXPECT_EQ(wizard->ProgressBar2->Maximum(), 5);
    EXPECT_EQ(InstructionText(), texts::kPasteIncomplete);
    EXPECT_TRUE(caution.explanation.starts_with("Tessaro初期設定\n\n原因：「" +
                                                TransferPath("Pref/Tessaro初期設定")))
        << caution.explanation;
}

TEST_F(RoundTrip, APasteOnTheMachineTheCopyCameFromChangesNothing) {
    InstallKelmo(Disk(), Machine().Home());
    GatherByDevice();
    GoToCopyStep();
    PressCopy();
    ASSERT_EQ(InstructionText(), texts::kCopyDone);
    QuitWithNext();
    // The user goes on working on the old machine, then starts the assistant there again.
    Disk().File("Applications/Kelmo/Kelmo Plan", "edited after the copy");
    const auto before = SnapshotOf(Disk().Path());
    wizard.reset();
    wizard = Window1::Instance();
    ASSERT_EQ(wizard->PagePanel1->Value(), 3);
    const std::string instruction = InstructionText();
    wizard->RadioButton5->SetValue(true);
    ExpectCaution();
    wizard->PushButton6->Push();

    EXPECT_EQ(caution.message, "このマシンは、コピーを作成したマシン（旧マシン）です。");
    EXPECT_EQ(caution.explanation,
              "ペーストは、新規マシンで本ソフトウェアを起動して行ってください。");
    EXPECT_EQ(SnapshotOf(Disk().Path()), before);
    EXPECT_EQ(wizard->PushButton6->Caption(), String("ペースト"));
    EXPECT_TRUE(wizard->PushButton6->Enabled());
    EXPECT_EQ(InstructionText(), instruction);
    EXPECT_EQ(wizard->pPastePhase, Window1::kPasteSide);
    Quit();
    EXPECT_TRUE(HasMarker());
}

} // namespace

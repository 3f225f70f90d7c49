// The external-device route from end to end: the copy on the old machine,
// the quit that marks the device, the start on the new machine from the same
// device, the paste and the quit that unmarks it.

#include <map>
#include <string>
#include <vector>

#include "tests/transfer/TransferTest.h"
#include "tests/support/TreeSnapshot.h"

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
    EXPECT_EQ(wizard->pPastePhase, 1);
    wizard->RadioButton5->SetValue(true);
    PressPaste();
    EXPECT_EQ(InstructionText(), texts::kPasteDone);
    EXPECT_EQ(wizard->pPastePhase, 2);
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

} // namespace

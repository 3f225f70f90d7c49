// What a run killed in the middle of a copy or replace leaves beside its
// destination is cleared the next time the assistant works in that folder,
// and nothing else is ever taken for it.

#include "platform/files/Scratch.h"
#include "platform/files/ProcessIdentity.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"
#include "tests/support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

using Names = std::vector<std::string>;

using Owner = ProcessOwner;

// Another assistant still at work: a running process of its own, not this one.
Owner Running() {
    const pid_t child = fork();
    if (child == 0) {
        pause();
        _exit(0);
    }
    return {child, files::ProcessStartTime(child).value()};
}

// The id of a running process, given after a restart to another than the owner.
Owner IdTakenByALaterProcess() {
    Owner owner = Running();
    ++owner.startTime;
    return owner;
}

enum class Aside { PlaceEmpty, ReplaceDone, PlaceTakenByAnother, Unreadable };

struct ScratchCase {
    const char* name;
    Owner (*owner)();
    Aside aside;
    bool scratchStays;
    const char* planAfter; // in Docs/Kelmo; nullptr: no Kelmo there
};

void PrintTo(const ScratchCase& value, std::ostream* out) {
    *out << value.name;
}

class StaleScratch : public testing::TestWithParam<ScratchCase> {
protected:
    void TearDown() override {
        if (owner_.processId > 0 && kill(owner_.processId, SIGKILL) == 0)
            waitpid(owner_.processId, nullptr, 0);
    }
    Owner owner_{};
};

TEST_P(StaleScratch, IsClearedOnlyWhenItsOwnerIsGoneAndPutsBackOnlyWhatItSetAside) {
    const ScratchCase& row = GetParam();
    if (row.aside == Aside::Unreadable && geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    owner_ = row.owner();
    FakeMacDisk disk;
    disk.File("Docs/Kelmo/Plan", "old");
    disk.File("Docs/Tessaro", "the user's");
    disk.File("Docs/.dravo-copy-notes", "the user's");
    disk.File("Docs/.dravo-scratch-notes", "the user's");
    const std::string halfCopy = files::ScratchNameOf(owner_.processId, owner_.startTime, 7);
    disk.File("Docs/" + halfCopy + "/Plan", "half");
    // A replace that set the old entry aside, killed before or after the copy took its place.
    const std::string aside = files::ScratchNameOf(owner_.processId, owner_.startTime, 8);
    if (row.aside == Aside::ReplaceDone) {
        // The record of the name goes once the copy is in place.
        disk.File("Docs/" + aside + "/.dravo-aside-entry/Plan", "old");
        disk.File("Docs/Kelmo/Plan", "new");
    } else {
        const int docs = open(disk.Path("Docs").c_str(), O_RDONLY | O_DIRECTORY);
        std::string madeAside;
        ASSERT_EQ(files::SetAside(docs, "Kelmo", madeAside), 0);
        ASSERT_EQ(renameat(docs, madeAside.c_str(), docs, aside.c_str()), 0);
        close(docs);
    }
    if (row.aside == Aside::PlaceTakenByAnother)
        disk.File("Docs/Kelmo/Plan", "another's");
    if (row.aside == Aside::Unreadable)
        chmod(disk.Path("Docs/" + aside).c_str(), 0);

    files::ClearStaleScratch(disk.Path("Docs"));

    Names expected{".dravo-copy-notes", ".dravo-scratch-notes", "Tessaro"};
    if (row.planAfter)
        expected.push_back("Kelmo");
    if (row.scratchStays)
        expected.insert(expected.end(), {halfCopy, aside});
    else if (row.aside == Aside::PlaceTakenByAnother || row.aside == Aside::Unreadable)
        expected.push_back(aside);
    std::sort(expected.begin(), expected.end());
    chmod(disk.Path("Docs/" + aside).c_str(), 0700);
    EXPECT_EQ(NamesIn(disk.Path("Docs")), expected);
    if (row.planAfter) {
        EXPECT_EQ(ContentsOf(disk.Path("Docs/Kelmo/Plan")), row.planAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Owners, StaleScratch,
    testing::Values(
        ScratchCase{"OwnerEndedBeforeTheReplace", EndedProcess, Aside::PlaceEmpty, false, "old"},
        ScratchCase{"OwnerEndedAfterTheReplace", EndedProcess, Aside::ReplaceDone, false, "new"},
        ScratchCase{"IdTakenByALaterProcess", IdTakenByALaterProcess, Aside::PlaceEmpty, false,
                    "old"},
        ScratchCase{"OwnerStillRunning", Running, Aside::PlaceEmpty, true, nullptr},
        ScratchCase{"PlaceTakenByAnother", EndedProcess, Aside::PlaceTakenByAnother, false,
                    "another's"},
        ScratchCase{"AsideThatCannotBeOpened", EndedProcess, Aside::Unreadable, false, nullptr}),
    [](const testing::TestParamInfo<ScratchCase>& info) { return info.param.name; });

} // namespace

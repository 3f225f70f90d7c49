// What a run killed in the middle of a copy or replace leaves beside its
// destination is cleared the next time the assistant works in that folder.

#include "platform/files/Scratch.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"
#include "tests/support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Names = std::vector<std::string>;

// The id of a process that has ended, as a killed run's is.
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

pid_t ThisProcess() {
    return getpid();
}
// A process that runs another program, as one of a killed run's id may after a restart.
pid_t AnotherProgram() {
    return getppid();
}

struct ScratchCase {
    const char* name;
    pid_t (*owner)();
    bool copyInPlace; // the kill came after the second rename
    Names namesAfter;
    const char* kelmoAfter;
};

class StaleScratch : public testing::TestWithParam<ScratchCase> {};

TEST_P(StaleScratch, IsRemovedAfterTheOldEntryIsBackInItsPlace) {
    const ScratchCase& row = GetParam();
    FakeMacDisk disk;
    const pid_t owner = row.owner();
    // A replace that stepped the old entry aside, killed between the two renames.
    const std::string scratch = "Docs/" + files::ReplaceScratchName(owner, "a1b2c3");
    disk.File(scratch + "/" + files::kScratchAsideFolder + "/Kelmo/Plan", "old");
    disk.File(scratch + "/" + files::kScratchCopyFolder + "/Kelmo/Plan", "new");
    if (row.copyInPlace)
        disk.File("Docs/Kelmo/Plan", "new");
    disk.File("Docs/" + files::CopyScratchName(owner, 7) + "/Plan", "half");
    disk.File("Docs/Tessaro", "the user's");

    files::ClearStaleScratch(disk.Path("Docs"));

    EXPECT_EQ(NamesIn(disk.Path("Docs")), row.namesAfter);
    if (row.kelmoAfter) {
        EXPECT_EQ(ContentsOf(disk.Path("Docs/Kelmo/Plan")), row.kelmoAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kills, StaleScratch,
    testing::Values(
        ScratchCase{"BetweenTheRenames", EndedProcess, false, Names{"Kelmo", "Tessaro"}, "old"},
        ScratchCase{"AfterTheRenames", EndedProcess, true, Names{"Kelmo", "Tessaro"}, "new"},
        ScratchCase{"IdTakenByAnotherProgram", AnotherProgram, false, Names{"Kelmo", "Tessaro"},
                    "old"},
        ScratchCase{"StillRunning", ThisProcess, false,
                    Names{".dravo-copy-" + std::to_string(getpid()) + "-7",
                          ".dravo-replace-" + std::to_string(getpid()) + "-a1b2c3", "Tessaro"},
                    nullptr}),
    [](const testing::TestParamInfo<ScratchCase>& info) { return info.param.name; });

} // namespace

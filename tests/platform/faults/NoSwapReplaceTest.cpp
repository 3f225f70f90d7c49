// The safe replace where the file system can't swap two entries (FaultShims
// stand in for one): the old entry steps aside, and it is never lost, not
// even when its place is taken meanwhile.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/work/SafeReplace.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TreeSnapshot.h"

namespace {

class NoSwapReplace : public testing::Test {
protected:
    bool Replace() {
        const Outcome outcome = work::ReplaceWithCopyOf(
            disk.Path("Docs/Kelmo"), disk.Path("new/Kelmo"), files::SourceLink::Followed);
        error = outcome.Reason().ToUTF8();
        return outcome.Succeeded();
    }

    FakeMacDisk disk;
    std::string error;
};

TEST_F(NoSwapReplace, TheOldEntryStepsAsideAndGoesOnceTheCopyIsInPlace) {
    disk.File("Docs/Kelmo/Plan", "old");
    disk.File("new/Kelmo/Plan", "new");

    ASSERT_TRUE(Replace()) << error;

    EXPECT_EQ(ContentsOf(disk.Path("Docs/Kelmo/Plan")), "new");
    EXPECT_EQ(NamesIn(disk.Path("Docs")), std::vector<std::string>{"Kelmo"});
}

TEST_F(NoSwapReplace, AnOldEntryThatCantBePutBackIsKeptAndNamed) {
    disk.File("Docs/Kelmo/Plan", "old");
    disk.File("new/Kelmo/Plan", "new");
    ScopedEnvironment intruder;
    intruder.Set("NOSWAP_TAKE_THE_PLACE", "1");

    EXPECT_FALSE(Replace());

    // "...元のアイテムは「<where>」に残っています。"
    const std::string lead = "元のアイテムは「";
    const auto from = error.find(lead);
    ASSERT_NE(from, std::string::npos) << error;
    const auto start = from + lead.size();
    const std::string kept = error.substr(start, error.find("」", start) - start);
    EXPECT_EQ(ContentsOf(kept + "/Plan"), "old") << error;
    EXPECT_EQ(ContentsOf(disk.Path("Docs/Kelmo")), "");
}

} // namespace

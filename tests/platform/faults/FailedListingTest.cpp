// A folder whose reading fails is never taken for an empty one, and the
// failure is not kept: the next look reads the folder again.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/files/FolderItem.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

TEST(FailedListing, IsAFailureAndIsReadAgainOnceTheCausePasses) {
    FakeMacDisk disk;
    disk.File("Doc/Plan");
    disk.File("Doc/Letter");
    // Past the clock's tick of the last change, so that a listing could be kept.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const FolderItem folder = disk.Item("Doc");
    {
        ScopedEnvironment failing;
        failing.Set("FAULT_LISTING_FAILS", "1");
        EXPECT_EQ(folder.Count(), 0);
        EXPECT_NE(folder.ListingError(), "");
    }
    EXPECT_EQ(folder.Count(), 2);
    EXPECT_EQ(folder.ListingError(), "");
}

} // namespace

#include "platform/alias/MacMemory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

// Disposes of the handle at the end of a test, whatever it checked.
struct OwnedHandle {
    Handle h;
    ~OwnedHandle() { DisposeHandle(h); }
};

} // namespace

TEST(MacMemory, NewHandleGivesAWritableBlockOfTheSize) {
    OwnedHandle block{NewHandle(6)};
    ASSERT_NE(block.h, nullptr);
    EXPECT_EQ(MemError(), noErr);
    EXPECT_EQ(GetHandleSize(block.h), 6);
    std::memcpy(*block.h, "alias", 6);
    EXPECT_STREQ(*block.h, "alias");
}

TEST(MacMemory, BlocksInUseCountsUntilDisposed) {
    const std::size_t before = HandlesInUse();
    Handle a = NewHandle(1);
    Handle b = NewHandle(2);
    EXPECT_EQ(HandlesInUse(), before + 2);
    DisposeHandle(a);
    NewHandle(-1);
    DisposeHandle(nullptr);
    EXPECT_EQ(HandlesInUse(), before + 1);
    DisposeHandle(b);
    EXPECT_EQ(HandlesInUse(), before);
}

TEST(MacMemory, EmptyBlockIsAHandleToo) {
    OwnedHandle block{NewHandle(0)};
    ASSERT_NE(block.h, nullptr);
    EXPECT_EQ(GetHandleSize(block.h), 0);
}

TEST(MacMemory, AbsurdSizeGivesNullHandleInsteadOfAborting) {
    EXPECT_EQ(NewHandle(std::numeric_limits<Size>::max()), nullptr);
    EXPECT_EQ(MemError(), memFullErr);
    EXPECT_EQ(NewHandle(-1), nullptr);
    EXPECT_EQ(MemError(), paramErr);
}

TEST(MacMemory, StateSavedBeforeLockingRestoresTheUnlockedBlock) {
    OwnedHandle block{NewHandle(4)};
    const SInt8 state = HGetState(block.h);
    HLock(block.h);
    EXPECT_NE(HGetState(block.h) & kHandleLockedMask, 0);
    HSetState(block.h, state);
    EXPECT_EQ(HGetState(block.h), state);
    SetHandleSize(block.h, 1 << 20); // unlocked again: it may move and grow
    EXPECT_EQ(MemError(), noErr);
    EXPECT_EQ(GetHandleSize(block.h), 1 << 20);
}

TEST(MacMemory, ResizingKeepsTheLeadingBytes) {
    OwnedHandle block{NewHandle(5)};
    std::memcpy(*block.h, "bytes", 5);
    SetHandleSize(block.h, 4);
    EXPECT_EQ(GetHandleSize(block.h), 4);
    SetHandleSize(block.h, 100000);
    ASSERT_EQ(GetHandleSize(block.h), 100000);
    EXPECT_EQ(std::memcmp(*block.h, "byte", 4), 0);
}

TEST(MacMemory, LockedBlockShrinksInPlaceButDoesNotMoveToGrow) {
    OwnedHandle block{NewHandle(64)};
    HLock(block.h);
    const Ptr before = *block.h;
    SetHandleSize(block.h, 16);
    EXPECT_EQ(MemError(), noErr);
    EXPECT_EQ(*block.h, before);
    EXPECT_EQ(GetHandleSize(block.h), 16);
    SetHandleSize(block.h, 1 << 24);
    EXPECT_EQ(MemError(), memLockedErr);
    EXPECT_EQ(GetHandleSize(block.h), 16);
}

TEST(MacMemory, ImpossibleSizesLeaveTheBlockAsItWas) {
    OwnedHandle block{NewHandle(8)};
    SetHandleSize(block.h, -4);
    EXPECT_EQ(MemError(), paramErr);
    SetHandleSize(block.h, std::numeric_limits<Size>::max());
    EXPECT_EQ(MemError(), memFullErr);
    EXPECT_EQ(GetHandleSize(block.h), 8);
}

TEST(MacMemory, NullHandleIsRefusedByEveryCall) {
    EXPECT_EQ(GetHandleSize(nullptr), 0);
    EXPECT_EQ(MemError(), nilHandleErr);
    SetHandleSize(nullptr, 4);
    EXPECT_EQ(MemError(), nilHandleErr);
    HLock(nullptr);
    HSetState(nullptr, 0);
    EXPECT_EQ(HGetState(nullptr), 0);
    DisposeHandle(nullptr);
    EXPECT_EQ(MemError(), nilHandleErr);
}

#include "ThreadTestSupport.h"

#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

using namespace coop;

TEST(Thread, LivesWithoutReferenceUntilItsRunEnds) {
    bool release = false;
    bool ended = false;
    bool destroyed = false;
    std::weak_ptr<Thread> thread = StartThread(
        [&] {
            WaitUntil([&] { return release; });
            ended = true;
        },
        &destroyed);

    ASSERT_TRUE(RunEventLoopUntil([&] { return false; }, 50) == false);
    EXPECT_FALSE(thread.expired());
    EXPECT_FALSE(destroyed);

    release = true;
    ASSERT_TRUE(RunEventLoopUntil([&] { return destroyed; }, kTimeLimitMs));
    EXPECT_TRUE(ended);
    EXPECT_TRUE(thread.expired());
}

TEST(Thread, RunsOnItsOwnStackOnlyAfterRunReturns) {
    int ran = 0;
    const void* keys[2] = {nullptr, nullptr};
    for (const void*& key : keys) {
        StartThread([&] {
            EXPECT_TRUE(InThread());
            key = CurrentThreadKey();
            ++ran;
        });
    }
    EXPECT_EQ(ran, 0);
    EXPECT_FALSE(InThread());
    EXPECT_EQ(CurrentThreadKey(), nullptr);
    ASSERT_TRUE(RunEventLoopUntil([&] { return ran == 2; }, kTimeLimitMs));
    EXPECT_NE(keys[0], nullptr);
    EXPECT_NE(keys[0], keys[1]);
}

TEST(Thread, RunsOnce) {
    bool done = false;
    auto thread = std::make_shared<FunctionThread>([&] { done = true; });
    thread->Run();
    EXPECT_THROW(thread->Run(), std::logic_error);
    ASSERT_TRUE(RunEventLoopUntil([&] { return done; }, kTimeLimitMs));
    EXPECT_THROW(thread->Run(), std::logic_error);
}

TEST(Thread, RefusesToRunWithoutSharedOwner) {
    FunctionThread thread([] {});
    EXPECT_THROW(thread.Run(), std::logic_error);
}

TEST(Thread, ThreadsInterleaveOnlyAtYields) {
    std::vector<std::string> order;
    int ended = 0;
    auto steps = [&](const std::string& name) {
        return [&, name] {
            for (int step = 1; step <= 3; ++step) {
                order.push_back(name + std::to_string(step) + "a");
                order.push_back(name + std::to_string(step) + "b");
                YieldToNextThread();
            }
            ++ended;
        };
    };
    StartThread(steps("A"));
    StartThread(steps("B"));
    ASSERT_TRUE(RunEventLoopUntil([&] { return ended == 2; }, kTimeLimitMs));
    const std::vector<std::string> expected{"A1a", "A1b", "B1a", "B1b", "A2a", "A2b",
                                            "B2a", "B2b", "A3a", "A3b", "B3a", "B3b"};
    EXPECT_EQ(order, expected);
}

// Every thread resumed in one slice sees its number; once the event loop has
// run, a new one. Outside the threads it is 0.
TEST(Thread, SliceNumberHoldsUntilTheEventLoopRuns) {
    std::vector<std::uint64_t> slices;
    bool loopRan = false;
    const auto step = [&] {
        slices.push_back(CurrentSlice());
        YieldToNextThread();
        slices.push_back(CurrentSlice());
        RunEventLoopUntil([&] { return loopRan; }, kTimeLimitMs);
        slices.push_back(CurrentSlice());
    };
    StartThread(step);
    StartThread(step);
    YieldToNextThread(); // one pass from the loop's stack: a slice of its own
    YieldToNextThread();
    QTimer::singleShot(0, [&] { loopRan = true; });
    ASSERT_TRUE(RunEventLoopUntil([&] { return slices.size() == 6; }, kTimeLimitMs));
    EXPECT_NE(slices[0], 0u);
    EXPECT_EQ(slices[0], slices[1]); // both threads, first pass
    EXPECT_EQ(slices[2], slices[3]); // both, second pass
    EXPECT_NE(slices[2], slices[1]);
    EXPECT_NE(slices[4], slices[3]); // after the event loop ran
    EXPECT_EQ(CurrentSlice(), 0u);
}

// What a thread waited for (work on another OS thread) may have changed the
// disk: back from the wait, it is in a slice of its own.
TEST(Thread, AThreadBackFromAWaitStartsANewSlice) {
    bool ready = false;
    std::uint64_t setterSlice = 0;
    std::uint64_t waiterSlice = 0;
    StartThread([&] {
        WaitUntil([&] { return ready; });
        waiterSlice = CurrentSlice();
    });
    StartThread([&] {
        ready = true;
        setterSlice = CurrentSlice();
    });
    ASSERT_TRUE(RunEventLoopUntil([&] { return waiterSlice != 0; }, kTimeLimitMs));
    EXPECT_NE(waiterSlice, setterSlice);
}

// A thread started by another joins the round after the threads already there.
TEST(Thread, ThreadStartedByThreadRunsFromTheNextPass) {
    std::vector<std::string> order;
    bool parentDone = false;
    StartThread([&] {
        StartThread([&] { order.push_back("child"); });
        order.push_back("parent 1");
        YieldToNextThread();
        order.push_back("parent 2");
        YieldToNextThread();
        order.push_back("parent 3");
        parentDone = true;
    });
    ASSERT_TRUE(RunEventLoopUntil([&] { return parentDone; }, kTimeLimitMs));
    const std::vector<std::string> expected{"parent 1", "parent 2", "child", "parent 3"};
    EXPECT_EQ(order, expected);
}

TEST(Thread, DeepRecursionFitsTheStack) {
    // About 2 MiB of frames: more than a minimal fiber stack would hold.
    std::function<int(int)> descend = [&](int depth) {
        volatile char frame[1024] = {};
        return depth == 0 ? frame[0] : descend(depth - 1) + frame[depth % 1024];
    };
    bool done = false;
    int result = -1;
    StartThread([&] {
        result = descend(2000);
        done = true;
    });
    ASSERT_TRUE(RunEventLoopUntil([&] { return done; }, kTimeLimitMs));
    EXPECT_EQ(result, 0);
}

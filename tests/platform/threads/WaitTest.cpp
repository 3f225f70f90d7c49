#include "FunctionThread.h"

#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace coop;

TEST(WaitUntil, OnThreadYieldsUntilConditionWhileOthersGoOn) {
    bool flag = false;
    bool waiterDone = false;
    int otherSteps = 0;
    bool stopOther = false;
    bool otherDone = false;
    StartThread([&] {
        WaitUntil([&] { return flag; });
        waiterDone = true;
    });
    StartThread([&] {
        while (!stopOther) {
            ++otherSteps;
            YieldToNextThread();
        }
        otherDone = true;
    });
    QTimer::singleShot(30, [&] { flag = true; });

    ASSERT_TRUE(RunEventLoopUntil([&] { return waiterDone; }, kTimeLimitMs));
    EXPECT_GT(otherSteps, 10);
    stopOther = true;
    ASSERT_TRUE(RunEventLoopUntil([&] { return otherDone; }, kTimeLimitMs));
}

// A thread waiting on a modal dialog must not keep the processor busy.
TEST(WaitUntil, LoneWaitingThreadChecksOnlyNowAndThen) {
    int checks = 0;
    bool release = false;
    bool done = false;
    StartThread([&] {
        WaitUntil([&] {
            ++checks;
            return release;
        });
        done = true;
    });
    EXPECT_FALSE(RunEventLoopUntil([] { return false; }, 100));
    EXPECT_GT(checks, 2);
    EXPECT_LT(checks, 200);
    release = true;
    ASSERT_TRUE(RunEventLoopUntil([&] { return done; }, kTimeLimitMs));
}

TEST(WaitUntil, OnEventLoopStackKeepsThreadsAndEventsGoing) {
    int steps = 0;
    bool timerFired = false;
    StartThread([&] {
        while (steps < 1000) {
            ++steps;
            YieldToNextThread();
        }
    });
    QTimer::singleShot(5, [&] { timerFired = true; });
    QTimer limit;
    bool timedOut = false;
    QObject::connect(&limit, &QTimer::timeout, [&] { timedOut = true; });
    limit.start(kTimeLimitMs);

    WaitUntil([&] { return (steps == 1000 && timerFired) || timedOut; });
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(steps, 1000);
    EXPECT_TRUE(timerFired);
}

// A handler that shows a modal while the test's own loop runs: the nested
// wait still resumes the threads, and the outer loop goes on afterwards.
TEST(WaitUntil, NestedInEventHandlerResumesThreads) {
    bool threadReleased = false;
    bool threadDone = false;
    bool handlerDone = false;
    StartThread([&] {
        WaitUntil([&] { return threadReleased; });
        threadDone = true;
    });
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(20, [&] { threadReleased = true; });
        WaitUntil([&] { return threadDone; });
        handlerDone = true;
    });
    ASSERT_TRUE(RunEventLoopUntil([&] { return handlerDone; }, kTimeLimitMs));
}

TEST(RunEventLoopUntil, GivesUpAtTimeout) {
    const double start = Microseconds();
    EXPECT_FALSE(RunEventLoopUntil([] { return false; }, 30));
    const double waitedMs = (Microseconds() - start) / 1000;
    EXPECT_GE(waitedMs, 29.0);
    EXPECT_LT(waitedMs, 1000.0);
}

TEST(RunEventLoopUntil, OnThreadYieldsAndGivesUpAtTimeout) {
    int otherSteps = 0;
    bool stop = false;
    bool otherDone = false;
    int result = -1;
    StartThread([&] {
        while (!stop) {
            ++otherSteps;
            YieldToNextThread();
        }
        otherDone = true;
    });
    StartThread([&] { result = RunEventLoopUntil([] { return false; }, 30) ? 1 : 0; });
    ASSERT_TRUE(RunEventLoopUntil([&] { return result >= 0; }, kTimeLimitMs));
    EXPECT_EQ(result, 0);
    EXPECT_GT(otherSteps, 10);
    stop = true;
    ASSERT_TRUE(RunEventLoopUntil([&] { return otherDone; }, kTimeLimitMs));
}

#include "ThreadTestSupport.h"

#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"
#include "tests/support/ProcessorTime.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

using namespace coop;

TEST(WaitUntil, OnThreadYieldsUntilConditionWhileOthersGoOn) {
    bool flag = false;
    bool waiterDone = false;
    StartThread([&] {
        WaitUntil([&] { return flag; });
        waiterDone = true;
    });
    SteppingThread other;
    QTimer::singleShot(30, [&] { flag = true; });

    ASSERT_TRUE(RunEventLoopUntil([&] { return waiterDone; }, kTimeLimitMs));
    EXPECT_GT(other.Steps(), 10);
}

// A thread waiting on a modal dialog must not keep the processor busy: while
// nothing happens its condition is hardly looked at, and the loop blocks.
TEST(WaitUntil, LoneWaitingThreadChecksOnlyWhenSomethingHappened) {
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
    EXPECT_LT(checks, 10);
    QTimer::singleShot(1, [&] { release = true; });
    ASSERT_TRUE(RunEventLoopUntil([&] { return done; }, kTimeLimitMs));
}

// Sleeping threads wake at their times, not before, and the processor stays
// idle meanwhile.
TEST(SleepUntil, ThreadsSleepTheirTimeWithoutUsingTheProcessor) {
    int woken = 0;
    const double start = Microseconds();
    const double startMs = ThreadProcessorMs();
    for (const int ms : {60, 30}) {
        StartThread([&, ms] {
            SleepUntil(start + ms * 1000.0);
            EXPECT_GE(Microseconds(), start + ms * 1000.0);
            ++woken;
        });
    }
    ASSERT_TRUE(RunEventLoopUntil([&] { return woken == 2; }, kTimeLimitMs));
    EXPECT_LT(ThreadProcessorMs() - startMs, 20);
}

TEST(SleepUntil, OnEventLoopStackKeepsThreadsGoing) {
    SteppingThread other;
    const double until = Microseconds() + 30 * 1000.0;
    SleepUntil(until);
    EXPECT_GE(Microseconds(), until);
    EXPECT_GT(other.Steps(), 0);
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

// Objects that a handler deletes later before it waits are deleted once the
// handler has returned to the loop that called it, as with Qt's own modals.
TEST(WaitUntil, OnEventLoopStackLetsDeferredDeletesHappen) {
    bool deleted = false;
    bool handlerDone = false;
    QTimer::singleShot(0, [&] {
        auto* object = new QObject;
        QObject::connect(object, &QObject::destroyed, [&] { deleted = true; });
        object->deleteLater();
        bool released = false;
        QTimer::singleShot(10, [&] { released = true; });
        WaitUntil([&] { return released; });
        handlerDone = true;
    });
    ASSERT_TRUE(RunEventLoopUntil([&] { return handlerDone; }, kTimeLimitMs));
    EXPECT_TRUE(RunEventLoopUntil([&] { return deleted; }, kTimeLimitMs));
}

TEST(WaitUntil, OnEventLoopStackEndsWhenApplicationQuits) {
    EXPECT_EXIT(
        {
            LimitChildTime();
            QTimer::singleShot(0, [] {
                WaitUntil([] { return false; });
                std::cerr << "wait ended" << std::endl;
            });
            QTimer::singleShot(20, [] { QCoreApplication::exit(4); });
            std::exit(QCoreApplication::exec());
        },
        testing::ExitedWithCode(4), "wait ended");
}

TEST(RunEventLoopUntil, GivesUpAtTimeout) {
    const double start = Microseconds();
    EXPECT_FALSE(RunEventLoopUntil([] { return false; }, 30));
    const double waitedMs = (Microseconds() - start) / 1000;
    EXPECT_GE(waitedMs, 29.0);
}

TEST(RunEventLoopUntil, OnThreadYieldsAndGivesUpAtTimeout) {
    SteppingThread other;
    int result = -1;
    StartThread([&] { result = RunEventLoopUntil([] { return false; }, 30) ? 1 : 0; });
    ASSERT_TRUE(RunEventLoopUntil([&] { return result >= 0; }, kTimeLimitMs));
    EXPECT_EQ(result, 0);
    EXPECT_GT(other.Steps(), 10);
}

#include "ThreadTestSupport.h"

#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"
#include "tests/support/ProcessorTime.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace coop;

namespace {

// The longest stretch between two firings of a 10 ms timer: how long the
// event loop went without a turn, in wall time and in processor time. The
// processor time is what our code spent; a loaded machine adds wall time.
class EventLoopWatch {
public:
    EventLoopWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            wall_.Next(Microseconds());
            processor_.Next(ProcessorMicroseconds());
            ++firings_;
        });
        wall_.Next(Microseconds());
        processor_.Next(ProcessorMicroseconds());
        timer_.start(10);
    }
    double LongestGapMs() const { return wall_.LongestUs(Microseconds()) / 1000; }
    double LongestProcessorGapMs() const {
        return processor_.LongestUs(ProcessorMicroseconds()) / 1000;
    }
    int Firings() const { return firings_; }

private:
    struct Gap {
        double last = -1;
        double longest = 0;
        void Next(double now) {
            if (last >= 0)
                longest = std::max(longest, now - last);
            last = now;
        }
        double LongestUs(double now) const { return std::max(longest, now - last); }
    };
    static double ProcessorMicroseconds() { return ThreadProcessorMs() * 1000; }

    QTimer timer_;
    Gap wall_;
    Gap processor_;
    int firings_ = 0;
};

} // namespace

TEST(Yield, OnEventLoopStackRunsExactlyOnePass) {
    SteppingThread a, b;
    YieldToNextThread();
    EXPECT_EQ(a.Steps(), 1);
    EXPECT_EQ(b.Steps(), 1);
    YieldToNextThread();
    EXPECT_EQ(a.Steps(), 2);
    EXPECT_EQ(b.Steps(), 2);
}

int gHookCalls = 0;

TEST(Yield, TheHookSeesEveryYieldOnEitherStackUntilRemoved) {
    gHookCalls = 0;
    SetYieldHook([] { ++gHookCalls; });
    SteppingThread thread;
    YieldToNextThread();
    YieldToNextThread();
    SetYieldHook(nullptr);
    YieldToNextThread();
    EXPECT_EQ(thread.Steps(), 3);
    EXPECT_EQ(gHookCalls, 4) << "two yields of the loop and two of the thread while hooked";
}

TEST(Yield, OnEventLoopStackWithoutThreadsReturns) {
    YieldToNextThread();
    EXPECT_FALSE(InThread());
}

// The timed wait of the transfer: a busy loop on the clock, one yield a pass.
TEST(Yield, TimedWaitLoopLastsItsTimeWhileOtherThreadsAdvance) {
    SteppingThread other;
    double waitedUs = -1;
    int yields = 0;
    int otherStepsDuringWait = 0;
    StartThread([&] {
        const double start = Microseconds();
        const int stepsBefore = other.Steps();
        while (!(start + 100 * 1000.0 < Microseconds())) {
            YieldToNextThread();
            ++yields;
        }
        waitedUs = Microseconds() - start;
        otherStepsDuringWait = other.Steps() - stepsBefore;
    });
    ASSERT_TRUE(RunEventLoopUntil([&] { return waitedUs >= 0; }, kTimeLimitMs));
    EXPECT_GE(waitedUs, 100 * 1000.0);
    // Round robin: the other thread takes a step for every yield of the loop.
    EXPECT_GT(yields, 0);
    EXPECT_GE(otherStepsDuringWait, yields);
}

TEST(Yield, MillionYieldsAreCheapAndKeepTheEventLoopTurning) {
    constexpr int kYields = 1'000'000;
    EventLoopWatch watch;
    double elapsedUs = -1;
    double processorMs = -1;
    StartThread([&] {
        const double start = Microseconds();
        const double startMs = ThreadProcessorMs();
        for (int i = 0; i < kYields; ++i)
            YieldToNextThread();
        processorMs = ThreadProcessorMs() - startMs;
        elapsedUs = Microseconds() - start;
    });
    ASSERT_TRUE(RunEventLoopUntil([&] { return elapsedUs >= 0; }, kTimeLimitMs));
    std::printf("[ measured ] %d yields of one thread: %.1f ms, %.1f ns a yield "
                "(round trip fiber -> scheduler -> fiber, event loop turns included); "
                "longest event-loop gap %.1f ms (%.1f ms of processor time), "
                "10 ms timer fired %d times\n",
                kYields, elapsedUs / 1000, elapsedUs * 1000 / kYields, watch.LongestGapMs(),
                watch.LongestProcessorGapMs(), watch.Firings());
    EXPECT_LT(processorMs, 2000);
    EXPECT_LT(watch.LongestProcessorGapMs(), 50.0);
    if (elapsedUs > 30'000) {
        EXPECT_GE(watch.Firings(), 1);
    }
}

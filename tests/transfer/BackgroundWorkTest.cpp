// Work on a background thread: the event loop goes on while it runs, and
// what the job throws reaches its caller.

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "platform/threads/Cooperative.h"
#include "platform/work/BackgroundWork.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/transfer/LoopTicker.h"

namespace {

using BackgroundWork = GuiTest;

TEST_F(BackgroundWork, EventLoopRunsWhileTheJobRuns) {
    const LoopTicker ticker(RunLater, 10);
    work::RunInBackground([] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); });
    EXPECT_GE(ticker.Ticks(), 10);
    EXPECT_LT(ticker.LongestGapMs(), 100);
}

TEST_F(BackgroundWork, WhatTheJobThrowsReachesTheCaller) {
    EXPECT_THROW(work::RunInBackground([] { throw std::runtime_error("disk gone"); }),
                 std::runtime_error);
}

TEST_F(BackgroundWork, ReturnsOnlyOnceTheJobHasFinished) {
    bool finished = false;
    work::RunInBackground([&finished] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        finished = true;
    });
    EXPECT_TRUE(finished);
}

} // namespace

// Work on a background thread: the event loop goes on while it runs, and
// what the job throws reaches its caller.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/gui/Application.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"
#include "platform/threads/Thread.h"
#include "platform/work/BackgroundWork.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/LoopTicker.h"

namespace {

using BackgroundWork = GuiTest;

// The job ends once the event loop has turned a few times; it would wait out
// its limit were the loop held up until the job ends.
TEST_F(BackgroundWork, EventLoopRunsWhileTheJobRuns) {
    constexpr int kTurns = 3;
    const LoopTicker ticker(RunLater, 1);
    work::RunInBackground([&ticker] {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (ticker.Ticks() < kTurns && std::chrono::steady_clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    EXPECT_GE(ticker.Ticks(), kTurns);
    EXPECT_LT(ticker.LongestBusyGapMs(), 50);
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

// A cooperative thread whose job outlives the quit: the job sleeps, then marks
// that it finished.
class LongJob : public Thread {
public:
    explicit LongJob(std::string finished) : finished_(std::move(finished)) {}

protected:
    void Event_Run() override {
        work::RunInBackground([finished = finished_] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            std::ofstream(finished) << "done";
        });
    }

private:
    std::string finished_;
};

// The death test's child runs this test anew in a process of its own; it
// writes where the parent will look, which it learns from the environment.
constexpr const char* kFinishedVariable = "DRAVO_TEST_JOB_FINISHED";

TEST(BackgroundWorkAtExit, TheProcessEndsOnlyOnceARunningJobHasFinished) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::optional<TemporaryFolder> folder;
    ScopedEnvironment environment;
    if (std::getenv(kFinishedVariable) == nullptr) {
        folder.emplace();
        environment.Set(kFinishedVariable, folder->Path("finished"));
    }
    const std::string finished = std::getenv(kFinishedVariable);
    EXPECT_EXIT(
        {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            const Application application;
            std::make_shared<LongJob>(finished)->Run();
            coop::RunEventLoopUntil([] { return false; }, 50);
            // The quit in the middle of the job: the thread is abandoned, the job is not.
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ContentsOf(finished), "done");
}

} // namespace

// Work on a background thread: the event loop goes on while it runs, and
// what the job throws reaches its caller.

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/files/FolderItem.h"
#include "platform/files/TestSeams.h"
#include "platform/gui/Application.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"
#include "platform/threads/Thread.h"
#include "platform/work/BackgroundWork.h"
#include "platform/work/FileWork.h"
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
    work::RunInBackground([&ticker](const files::StopRequest&) {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (ticker.Ticks() < kTurns && std::chrono::steady_clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    EXPECT_GE(ticker.Ticks(), kTurns);
    EXPECT_LT(ticker.LongestBusyGapMs(), 50);
}

TEST_F(BackgroundWork, WhatTheJobThrowsReachesTheCaller) {
    EXPECT_THROW(work::RunInBackground(
                     [](const files::StopRequest&) { throw std::runtime_error("disk gone"); }),
                 std::runtime_error);
}

TEST_F(BackgroundWork, ReturnsOnlyOnceTheJobHasFinished) {
    bool finished = false;
    work::RunInBackground([&finished](const files::StopRequest&) {
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
        work::RunInBackground([finished = finished_](const files::StopRequest&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            std::ofstream(finished) << "done";
        });
    }

private:
    std::string finished_;
};

// The death test's child runs this test anew in a process of its own; it
// writes where the parent will look, which it learns from the environment.
constexpr const char* kSharedPathVariable = "DRAVO_TEST_SHARED_PATH";

TEST(BackgroundWorkAtExit, TheProcessEndsOnlyOnceARunningJobHasFinished) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::optional<TemporaryFolder> folder;
    ScopedEnvironment environment;
    if (std::getenv(kSharedPathVariable) == nullptr) {
        folder.emplace();
        environment.Set(kSharedPathVariable, folder->Path("finished"));
    }
    const std::string finished = std::getenv(kSharedPathVariable);
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

// A cooperative thread that runs what it is given.
class OnAThread : public Thread {
public:
    explicit OnAThread(std::function<void()> body) : body_(std::move(body)) {}

protected:
    void Event_Run() override { body_(); }

private:
    std::function<void()> body_;
};

// A slow disk: each chunk of a file's data takes a tenth of a second. The
// event loop is woken to see the count.
std::atomic<int> gChunksCopied{0};
void SlowChunk() {
    ++gChunksCopied;
    coop::WakeWaitingThreads();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The copy, asked to stop at the quit, ends at its next chunk and takes back
// what it made.
TEST(BackgroundWorkAtExit, AQuitInTheMiddleOfALongCopyEndsItWithinASecondLeavingNothing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::optional<TemporaryFolder> folder;
    ScopedEnvironment environment;
    if (std::getenv(kSharedPathVariable) == nullptr) {
        folder.emplace();
        environment.Set(kSharedPathVariable, folder->Path());
        std::filesystem::create_directory(folder->Path("To"));
        // Some thirty chunks: three seconds and more to copy whole.
        std::ofstream(folder->Path("Movie")).close();
        std::filesystem::resize_file(folder->Path("Movie"), 128LL << 20);
    }
    const std::string shared = std::getenv(kSharedPathVariable);
    EXPECT_EXIT(
        {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            alarm(20); // a process that would not end fails the test instead of holding it
            const Application application;
            files::seams::SetAfterCopyChunk(SlowChunk);
            std::make_shared<OnAThread>([shared] {
                (void)work::CopyFileTo(FolderItem::AtPosixPath(shared + "/Movie"),
                                       FolderItem::AtPosixPath(shared + "/To"),
                                       files::SourceLink::Followed);
            })->Run();
            coop::RunEventLoopUntil([] { return gChunksCopied > 0; }, 5000);
            std::ofstream(shared + "/quit") << SteadySeconds();
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_LT(SteadySeconds() - std::stod(ContentsOf(shared + "/quit")), 1.0);
    EXPECT_TRUE(std::filesystem::is_empty(shared + "/To"));
}

TEST(BackgroundWorkAtExit, AJobBlockedBeyondReachHoldsTheProcessOnlyAFewSeconds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EXIT(
        {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            alarm(20);
            const Application application;
            // As a read of a disk that no longer answers: no stop reaches it.
            std::make_shared<OnAThread>([] {
                work::RunInBackground([](const files::StopRequest&) {
                    for (;;)
                        std::this_thread::sleep_for(std::chrono::hours(1));
                });
            })->Run();
            coop::RunEventLoopUntil([] { return false; }, 50);
            std::exit(0);
        },
        testing::ExitedWithCode(EXIT_FAILURE), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
}

} // namespace

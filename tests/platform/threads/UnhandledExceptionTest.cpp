#include "ThreadTestSupport.h"

#include "platform/Nil.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

using namespace coop;

namespace {

struct Report {
    std::string what;
    bool onThread = true;
    bool threadDestroyed = false;
};

std::string WhatOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (int code) {
        return "int " + std::to_string(code);
    }
}

class UnhandledException : public testing::Test {
protected:
    void SetUp() override {
        SetUnhandledExceptionHandler([this](std::exception_ptr error) {
            reports_.push_back({WhatOf(error), InThread(), destroyed_});
        });
    }
    void TearDown() override { SetUnhandledExceptionHandler({}); }

    std::vector<Report> reports_;
    bool destroyed_ = false;
};

struct Throwing {
    const char* name;
    bool yieldFirst;
    void (*raise)();
    const char* expectedWhat;
};

void PrintTo(const Throwing& value, std::ostream* out) {
    *out << value.name;
}

class ThreadThrowing : public UnhandledException, public testing::WithParamInterface<Throwing> {};

} // namespace

TEST_P(ThreadThrowing, IsReportedOnEventLoopAfterThreadEnded) {
    const Throwing& throwing = GetParam();
    bool afterThrow = false;
    StartThread(
        [&] {
            if (throwing.yieldFirst)
                YieldToNextThread();
            throwing.raise();
            afterThrow = true;
        },
        &destroyed_);
    ASSERT_TRUE(RunEventLoopUntil([&] { return !reports_.empty(); }, kTimeLimitMs));
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0].what, throwing.expectedWhat);
    EXPECT_FALSE(reports_[0].onThread);
    EXPECT_TRUE(reports_[0].threadDestroyed);
    EXPECT_FALSE(afterThrow);

    // The process and the scheduler live on.
    bool nextRan = false;
    StartThread([&] { nextRan = true; });
    EXPECT_TRUE(RunEventLoopUntil([&] { return nextRan; }, kTimeLimitMs));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ThreadThrowing,
    testing::Values(Throwing{"NilObjectAtOnce", false, [] { throw NilObjectException(); },
                             "NilObjectException"},
                    Throwing{"RuntimeErrorAfterYield", true,
                             [] { throw std::runtime_error("disk gone"); }, "disk gone"},
                    Throwing{"NonStandardAfterYield", true, [] { throw 42; }, "int 42"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnhandledException, OneThreadFailingLeavesOthersRunning) {
    SteppingThread survivor;
    StartThread([] {
        YieldToNextThread();
        throw std::runtime_error("fails");
    });
    ASSERT_TRUE(RunEventLoopUntil([&] { return !reports_.empty(); }, kTimeLimitMs));
    const int stepsAtReport = survivor.Steps();
    EXPECT_TRUE(
        RunEventLoopUntil([&] { return survivor.Steps() > stepsAtReport + 10; }, kTimeLimitMs));
}

TEST_F(UnhandledException, GuardReportsWhatEscapesHandler) {
    bool ranOn = false;
    Guard([&] { ranOn = true; });
    EXPECT_TRUE(ranOn);
    EXPECT_TRUE(reports_.empty());

    Guard([] { throw NilObjectException(); });
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0].what, "NilObjectException");
}

// Each thread keeps its own exception being handled across yields: `throw;`
// in a catch block after a yield rethrows the thread's own exception.
TEST_F(UnhandledException, CatchBlocksOfThreadsStayApartAcrossYields) {
    std::vector<std::string> rethrown;
    int ended = 0;
    auto catchYieldRethrow = [&](const std::string& name) {
        return [&, name] {
            try {
                try {
                    throw std::runtime_error(name);
                } catch (const std::exception&) {
                    YieldToNextThread();
                    YieldToNextThread();
                    throw;
                }
            } catch (const std::exception& e) {
                rethrown.push_back(name + ":" + e.what());
            }
            EXPECT_EQ(std::current_exception(), nullptr);
            ++ended;
        };
    };
    StartThread(catchYieldRethrow("first"));
    StartThread(catchYieldRethrow("second"));
    ASSERT_TRUE(RunEventLoopUntil([&] { return ended == 2; }, kTimeLimitMs));
    const std::vector<std::string> expected{"first:first", "second:second"};
    EXPECT_EQ(rethrown, expected);
    EXPECT_TRUE(reports_.empty());
    EXPECT_EQ(std::current_exception(), nullptr);
}

TEST(UnhandledExceptionDefault, PrintsAndQuitsWithExitCodeOne) {
    EXPECT_EXIT(
        {
            LimitChildTime();
            StartThread([] { throw std::runtime_error("lost volume"); });
            std::exit(QCoreApplication::exec());
        },
        testing::ExitedWithCode(1), "Unhandled exception: lost volume");
    EXPECT_EXIT(ReportUnhandledException(std::make_exception_ptr(NilObjectException())),
                testing::ExitedWithCode(1), "Unhandled exception: NilObjectException");
}

TEST(ApplicationEnd, ThreadsStillSuspendedDoNotCrashTheExit) {
    EXPECT_EXIT(
        {
            LimitChildTime();
            StartThread([] { WaitUntil([] { return false; }); });
            StartThread([] {
                for (;;)
                    YieldToNextThread();
            });
            QTimer::singleShot(20, [] { QCoreApplication::exit(3); });
            const int code = QCoreApplication::exec();
            delete QCoreApplication::instance();
            std::exit(code);
        },
        testing::ExitedWithCode(3), "");
}

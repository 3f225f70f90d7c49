#pragma once
// Threads for tests: one whose run is a function, and one that counts its
// steps until told to stop.

#include "platform/threads/Cooperative.h"
#include "platform/threads/EventLoop.h"
#include "platform/threads/Thread.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <utility>

// Every wait of these tests gives up after this long instead of hanging.
inline constexpr int kTimeLimitMs = 10000;

class FunctionThread : public Thread {
public:
    explicit FunctionThread(std::function<void()> run, bool* destroyed = nullptr)
        : run_(std::move(run)), destroyed_(destroyed) {}
    ~FunctionThread() override {
        if (destroyed_)
            *destroyed_ = true;
    }

protected:
    void Event_Run() override { run_(); }

private:
    std::function<void()> run_;
    bool* destroyed_;
};

// In a death test's child: ends it with exit code 99 should it hang.
inline void LimitChildTime() {
    QTimer::singleShot(kTimeLimitMs, [] { std::_Exit(99); });
}

// Starts a thread and keeps no reference to it.
inline std::weak_ptr<Thread> StartThread(std::function<void()> run, bool* destroyed = nullptr) {
    auto thread = std::make_shared<FunctionThread>(std::move(run), destroyed);
    thread->Run();
    return thread;
}

// A thread that counts its steps, yielding after each, until Finish.
class SteppingThread {
public:
    SteppingThread() {
        StartThread([this] {
            while (!stop_) {
                ++steps_;
                coop::YieldToNextThread();
            }
            ended_ = true;
        });
    }
    ~SteppingThread() { Finish(); }

    int Steps() const { return steps_; }
    void Finish() {
        stop_ = true;
        EXPECT_TRUE(coop::RunEventLoopUntil([this] { return ended_; }, kTimeLimitMs));
    }

private:
    int steps_ = 0;
    bool stop_ = false;
    bool ended_ = false;
};

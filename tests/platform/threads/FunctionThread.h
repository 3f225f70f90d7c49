#pragma once
// A thread whose run is a function, for tests.

#include "platform/threads/Thread.h"

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

// Starts a thread and keeps no reference to it.
inline std::weak_ptr<Thread> StartThread(std::function<void()> run, bool* destroyed = nullptr) {
    auto thread = std::make_shared<FunctionThread>(std::move(run), destroyed);
    thread->Run();
    return thread;
}

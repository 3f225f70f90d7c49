#include "platform/threads/Cooperative.h"

#include "platform/threads/EventLoop.h"
#include "platform/threads/Scheduler.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

namespace coop {
namespace {

using detail::Scheduler;

YieldHook gYieldHook = nullptr;

std::function<void(std::exception_ptr)>& InstalledHandler() {
    static std::function<void(std::exception_ptr)> handler;
    return handler;
}

void PrintAndQuit(std::exception_ptr error) {
    std::cerr << "Unhandled exception: " << DescribeException(error) << std::endl;
    // Outside any event loop there is nothing that QCoreApplication::exit could end.
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
    else
        std::exit(1);
}

} // namespace

bool InThread() {
    return CurrentThreadKey() != nullptr;
}

const void* CurrentThreadKey() {
    return Scheduler::Instance().Current();
}

void YieldToNextThread() {
    if (gYieldHook != nullptr)
        gYieldHook();
    Scheduler& scheduler = Scheduler::Instance();
    if (detail::Fiber* fiber = scheduler.Current())
        fiber->Suspend();
    else
        scheduler.RunPass();
}

void SetYieldHook(YieldHook hook) {
    gYieldHook = hook;
}

void WaitUntil(const std::function<bool()>& done) {
    RunEventLoopUntil(done, -1);
}

void SleepUntil(double deadlineUs) {
    if (detail::Fiber* fiber = Scheduler::Instance().Current()) {
        while (Microseconds() < deadlineUs)
            fiber->Suspend({.atUs = deadlineUs});
        return;
    }
    const auto reached = [deadlineUs] { return Microseconds() >= deadlineUs; };
    while (!reached()) {
        const double leftMs = std::ceil((deadlineUs - Microseconds()) / 1000);
        RunEventLoopUntil(reached, static_cast<int>(leftMs));
    }
}

void WakeWaitingThreads() {
    Scheduler::Instance().WakeFromAnyThread();
}

double Microseconds() {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::micro>(sinceEpoch).count();
}

void SetUnhandledExceptionHandler(std::function<void(std::exception_ptr)> handler) {
    InstalledHandler() = std::move(handler);
}

void ReportUnhandledException(std::exception_ptr error) {
    if (const auto& handler = InstalledHandler())
        handler(error);
    else
        PrintAndQuit(error);
}

void Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        ReportUnhandledException(std::current_exception());
    }
}

std::string DescribeException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

} // namespace coop

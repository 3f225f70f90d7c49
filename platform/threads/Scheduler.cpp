#include "platform/threads/Scheduler.h"

#include "platform/threads/Cooperative.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <stdexcept>

namespace coop::detail {
namespace {

// How long one tick may resume threads before the event loop gets its turn.
constexpr std::chrono::microseconds kSlice{5000};
// How often conditions are checked again when every thread is only waiting.
constexpr int kIdlePollMs = 5;

} // namespace

Scheduler& Scheduler::Instance() {
    // Never destroyed: threads suspended at exit are abandoned, not unwound.
    static Scheduler* const scheduler = new Scheduler;
    return *scheduler;
}

void Scheduler::Start(std::function<void()> body) {
    if (!QCoreApplication::instance())
        throw std::logic_error("a cooperative thread needs the application object");
    fibers_.push_back(std::make_unique<Fiber>(std::move(body)));
    EnsureTimer();
    timer_->setInterval(0);
    if (!timer_->isActive())
        timer_->start();
}

void Scheduler::RunPass() {
    if (passRunning_)
        return;
    Pass();
}

bool Scheduler::Pass() {
    passRunning_ = true;
    bool progressed = false;
    bool someEnded = false;
    // Threads started during the pass are appended; they first run next pass.
    const std::size_t count = fibers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        Fiber& fiber = *fibers_[i];
        current_ = &fiber;
        fiber.Resume();
        current_ = nullptr;
        someEnded = someEnded || fiber.Finished();
        progressed = progressed || fiber.Finished() || !fiber.Waiting();
    }
    // A thread started meanwhile is ready to run at once.
    progressed = progressed || fibers_.size() > count;
    passRunning_ = false;
    if (someEnded)
        RemoveFinished();
    return progressed;
}

void Scheduler::Tick() {
    const auto sliceEnd = std::chrono::steady_clock::now() + kSlice;
    bool progressed = false;
    do {
        progressed = Pass();
    } while (progressed && std::chrono::steady_clock::now() < sliceEnd);
    AdjustTimer(progressed);
}

void Scheduler::RemoveFinished() {
    const auto firstEnded = std::stable_partition(
        fibers_.begin(), fibers_.end(), [](const auto& fiber) { return !fiber->Finished(); });
    // Moved out first: a thread's destructor may start another thread.
    std::vector<std::unique_ptr<Fiber>> ended(std::make_move_iterator(firstEnded),
                                              std::make_move_iterator(fibers_.end()));
    fibers_.erase(firstEnded, fibers_.end());
    for (const auto& fiber : ended) {
        if (std::exception_ptr error = fiber->TakeError()) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [error] { ReportUnhandledException(error); },
                Qt::QueuedConnection);
        }
    }
}

void Scheduler::AdjustTimer(bool progressed) {
    if (!timer_)
        return;
    if (fibers_.empty()) {
        timer_->stop();
        return;
    }
    const int interval = progressed ? 0 : kIdlePollMs;
    if (timer_->interval() != interval)
        timer_->setInterval(interval);
}

void Scheduler::EnsureTimer() {
    if (timer_)
        return;
    timer_ = new QTimer(QCoreApplication::instance());
    QObject::connect(timer_, &QTimer::timeout, [this] { Tick(); });
    QObject::connect(timer_, &QObject::destroyed, [this] { AbandonAll(); });
}

void Scheduler::AbandonAll() {
    std::move(fibers_.begin(), fibers_.end(), std::back_inserter(abandoned_));
    fibers_.clear();
}

} // namespace coop::detail

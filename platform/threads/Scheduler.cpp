#include "platform/threads/Scheduler.h"

#include "platform/threads/Cooperative.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace coop::detail {
namespace {

// How long one firing may resume threads before the event loop gets its turn.
constexpr std::chrono::microseconds kSlice{2000};

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
    Attach();
    timer_->start(0);
}

void Scheduler::RunPass() {
    if (passRunning_)
        return;
    ++slice_;
    Pass();
}

void Scheduler::WakeFromAnyThread() {
    std::lock_guard lock(wakeMutex_);
    if (wakeTarget_)
        QMetaObject::invokeMethod(
            wakeTarget_, [] {}, Qt::QueuedConnection);
}

bool Scheduler::Pass() {
    passRunning_ = true;
    bool progressed = false;
    bool someEnded = false;
    // Threads started during the pass are appended; they first run next pass.
    const std::size_t count = fibers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        Fiber& fiber = *fibers_[i];
        if (!fiber.Due())
            continue;
        // What it waited for (work on another OS thread, say) may have changed
        // files behind the layer's back: what was learnt so far no longer stands.
        if (fiber.WaitsForCondition())
            ++slice_;
        current_ = &fiber;
        fiber.Resume(slice_);
        current_ = nullptr;
        someEnded = someEnded || fiber.Finished();
        progressed = true;
    }
    // A thread started meanwhile is ready to run at once.
    progressed = progressed || fibers_.size() > count;
    passRunning_ = false;
    if (someEnded)
        RemoveFinished();
    return progressed;
}

void Scheduler::Tick() {
    ++slice_;
    const auto sliceEnd = std::chrono::steady_clock::now() + kSlice;
    while (Pass() && std::chrono::steady_clock::now() < sliceEnd) {
    }
    ArmTimer();
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

void Scheduler::ArmTimer() {
    if (!timer_ || passRunning_)
        return;
    double earliestUs = WakeUp::kNever;
    for (const auto& fiber : fibers_) {
        if (fiber->Due()) {
            timer_->start(0);
            return;
        }
        earliestUs = std::min(earliestUs, fiber->WakeAtUs());
    }
    if (earliestUs == WakeUp::kNever) {
        timer_->stop();
        return;
    }
    const double waitMs = std::ceil((earliestUs - Microseconds()) / 1000);
    timer_->start(static_cast<int>(std::clamp(waitMs, 0.0, 1e9)));
}

void Scheduler::Attach() {
    if (timer_)
        return;
    timer_ = new QTimer(QCoreApplication::instance());
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, [this] { Tick(); });
    // Events handled since the last look may have met a thread's condition.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     timer_, [this] { ArmTimer(); });
    QObject::connect(timer_, &QObject::destroyed, [this] { ForgetTimer(); });
    std::lock_guard lock(wakeMutex_);
    wakeTarget_ = timer_;
}

void Scheduler::ForgetTimer() {
    {
        std::lock_guard lock(wakeMutex_);
        wakeTarget_ = nullptr;
    }
    std::move(fibers_.begin(), fibers_.end(), std::back_inserter(abandoned_));
    fibers_.clear();
}

} // namespace coop::detail

#pragma once
// Resumes the cooperative threads in turn from the Qt event loop.
//
// A zero-interval timer runs while threads exist. Each tick resumes the
// ready fibers round robin, pass after pass, for up to a few milliseconds,
// then returns to the event loop so the windows keep redrawing; a thread
// that yields on every pass therefore costs a fiber switch per yield, not a
// trip through the event loop. When a whole pass finds every thread merely
// waiting for a condition, the timer slows to a poll, so a thread waiting on
// a modal dialog does not keep the processor busy.
//
// A thread that ends is destroyed on the GUI stack right after its pass;
// what escaped its run is reported afterwards from the event loop, so the
// report may run a modal alert while the other threads go on.
//
// When the application object goes away, threads still suspended are
// abandoned: never resumed again and never unwound, as the process is
// ending. Unwinding them then would run their destructors against windows
// that no longer exist.

#include "platform/threads/Fiber.h"

#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace coop::detail {

class Scheduler {
public:
    // The one scheduler of the GUI thread; it lives until the process ends.
    static Scheduler& Instance();

    // Adds a thread that runs `body`; it first runs at the next pass.
    void Start(std::function<void()> body);

    // The fiber running now, null on the GUI thread's own stack.
    Fiber* Current() const { return current_; }

    // Resumes each thread that exists now once. Does nothing when called
    // during a pass (from a destructor of an ending thread, say).
    void RunPass();

private:
    Scheduler() = default;
    // One pass; true when some thread did more than check a false condition.
    bool Pass();
    void Tick();
    void RemoveFinished();
    void AdjustTimer(bool progressed);
    void EnsureTimer();
    void AbandonAll();

    std::vector<std::unique_ptr<Fiber>> fibers_;
    std::vector<std::unique_ptr<Fiber>> abandoned_;
    Fiber* current_ = nullptr;
    bool passRunning_ = false;
    QPointer<QTimer> timer_;
};

} // namespace coop::detail

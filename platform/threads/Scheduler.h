#pragma once
// Resumes the cooperative threads in turn from the Qt event loop.
//
// A single-shot timer is armed for the next thread's turn. Each firing
// resumes the threads whose turn has come, round robin, pass after pass, for
// up to a few milliseconds, then returns to the event loop so the windows
// keep answering; a thread that yields on every pass therefore costs a fiber
// switch per yield, not a trip through the event loop. A thread that sleeps
// or waits for a condition is skipped until its time or its condition has
// come, in its own place in the round. When no thread is ready, the timer is
// armed for the earliest wake-up, or not at all, and the event loop blocks:
// conditions are looked at again each time the loop is about to block, after
// whatever event may have changed them.
//
// Each firing, and each pass run from the loop's stack, is a slice with a
// number of its own (coop::CurrentSlice); a thread resumed because its
// condition came starts a new one.
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

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
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

    // Resumes once each thread that exists now and whose turn has come, as a
    // slice of its own. Does nothing when called during a pass (from a
    // destructor of an ending thread, say).
    void RunPass();

    // From any OS thread: something a waiting thread waits for may have
    // changed, so the event loop wakes and the conditions are looked at.
    void WakeFromAnyThread();

    // Ties the scheduler to the application's event loop, once: from then on
    // a wake-up from another OS thread reaches the loop.
    void Attach();

private:
    Scheduler() = default;
    // One pass; true when some thread was resumed or started.
    bool Pass();
    void Tick();
    void RemoveFinished();
    // Arms the timer for the earliest turn, or stops it.
    void ArmTimer();
    void ForgetTimer();

    std::vector<std::unique_ptr<Fiber>> fibers_;
    std::vector<std::unique_ptr<Fiber>> abandoned_;
    Fiber* current_ = nullptr;
    std::uint64_t slice_ = 0; // the number of the latest slice (coop::CurrentSlice)
    bool passRunning_ = false;
    QPointer<QTimer> timer_;
    // The timer again, for other OS threads to post a wake-up to.
    std::mutex wakeMutex_;
    QTimer* wakeTarget_ = nullptr;
};

} // namespace coop::detail

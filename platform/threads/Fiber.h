#pragma once
// One cooperative thread's execution: a Boost.Context fiber on its own
// guarded stack. Only the scheduler, on the GUI thread's own stack, resumes
// a fiber, so fibers never nest: Suspend always returns to the scheduler.
// A fiber is destroyed only once its body has ended; one still suspended
// when the application goes is abandoned instead (see Scheduler.h).

#include "platform/threads/ExceptionState.h"

#include <boost/context/fiber.hpp>

#include <cstdint>
#include <exception>
#include <functional>
#include <limits>
#include <utility>

namespace coop::detail {

// When a suspended fiber is worth resuming: once its condition holds, or
// once the clock (coop::Microseconds) reaches atUs. The default is at once.
struct WakeUp {
    static constexpr double kNever = std::numeric_limits<double>::infinity();
    const std::function<bool()>* condition = nullptr;
    double atUs = 0;
};

class Fiber {
public:
    explicit Fiber(std::function<void()> body);
    Fiber(const Fiber&) = delete;
    Fiber& operator=(const Fiber&) = delete;

    // Runs the fiber until it suspends or its body ends, in the scheduler's
    // slice of that number (see coop::CurrentSlice).
    void Resume(std::uint64_t slice);
    // From inside the fiber: back to the code that resumed it, to be resumed
    // again as `wake` says. The condition must live until then.
    void Suspend(WakeUp wake = {});

    bool Finished() const { return finished_; }
    // Whether the fiber's wake-up has come. A condition that throws counts as
    // holding: the fiber then meets the exception itself.
    bool Due() const;
    // When the fiber wakes by the clock alone; WakeUp::kNever when it does not.
    double WakeAtUs() const { return wake_.atUs; }
    // True while the fiber waits for a condition to hold.
    bool WaitsForCondition() const { return wake_.condition != nullptr; }
    // What escaped the body, once; null when it ended normally.
    std::exception_ptr TakeError() { return std::exchange(error_, nullptr); }

private:
    boost::context::fiber Start(boost::context::fiber&& resumer);

    std::function<void()> body_;
    boost::context::fiber suspended_; // the fiber itself while it is not running
    boost::context::fiber resumer_;   // the scheduler while the fiber runs
    ExceptionState exceptionState_;   // the fiber's own while it is not running
    std::exception_ptr error_;
    bool finished_ = false;
    WakeUp wake_;
};

} // namespace coop::detail

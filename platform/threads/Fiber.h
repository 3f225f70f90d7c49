#pragma once
// One cooperative thread's execution: a Boost.Context fiber on its own
// guarded stack. Only the scheduler, on the GUI thread's own stack, resumes
// a fiber, so fibers never nest: Suspend always returns to the scheduler.
// A fiber is destroyed only once its body has ended; one still suspended
// when the application goes is abandoned instead (see Scheduler.h).

#include "platform/threads/ExceptionState.h"

#include <boost/context/fiber.hpp>

#include <exception>
#include <functional>
#include <utility>

namespace coop::detail {

class Fiber {
public:
    explicit Fiber(std::function<void()> body);
    Fiber(const Fiber&) = delete;
    Fiber& operator=(const Fiber&) = delete;

    // Runs the fiber until it suspends or its body ends.
    void Resume();
    // From inside the fiber: back to the code that resumed it. `waiting` says
    // the fiber only checked a condition that is still false.
    void Suspend(bool waiting);

    bool Finished() const { return finished_; }
    bool Waiting() const { return waiting_; }
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
    bool waiting_ = false;
};

} // namespace coop::detail

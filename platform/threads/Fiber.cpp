#include "platform/threads/Fiber.h"

#include "platform/threads/Cooperative.h"

#include <boost/context/protected_fixedsize_stack.hpp>

#include <cstdint>
#include <memory>
#include <utility>

namespace coop::detail {
namespace {

// As deep as the GUI thread's own stack; pages are only committed when used.
constexpr std::size_t kStackBytes = 8 * 1024 * 1024;

// The slice whose fiber runs on this OS thread; 0 outside the fibers.
thread_local std::uint64_t tCurrentSlice = 0;

} // namespace

Fiber::Fiber(std::function<void()> body)
    : body_(std::move(body)),
      suspended_(std::allocator_arg, boost::context::protected_fixedsize_stack(kStackBytes),
                 [this](boost::context::fiber&& resumer) { return Start(std::move(resumer)); }) {}

boost::context::fiber Fiber::Start(boost::context::fiber&& resumer) {
    resumer_ = std::move(resumer);
    try {
        body_();
    } catch (...) {
        error_ = std::current_exception();
    }
    finished_ = true;
    return std::move(resumer_);
}

void Fiber::Resume(std::uint64_t slice) {
    const ExceptionState resumerState = ExceptionState::Current();
    exceptionState_.Install();
    tCurrentSlice = slice;
    suspended_ = std::move(suspended_).resume();
    tCurrentSlice = 0;
    exceptionState_ = ExceptionState::Current();
    resumerState.Install();
}

void Fiber::Suspend(WakeUp wake) {
    wake_ = wake;
    resumer_ = std::move(resumer_).resume();
    wake_ = {};
}

bool Fiber::Due() const {
    if (wake_.atUs <= 0)
        return true;
    if (wake_.condition) {
        try {
            if ((*wake_.condition)())
                return true;
        } catch (...) {
            return true;
        }
    }
    return wake_.atUs != WakeUp::kNever && Microseconds() >= wake_.atUs;
}

} // namespace coop::detail

std::uint64_t coop::CurrentSlice() {
    return detail::tCurrentSlice;
}

#include "platform/threads/Fiber.h"

#include <boost/context/protected_fixedsize_stack.hpp>

#include <memory>
#include <utility>

namespace coop::detail {
namespace {

// As deep as the GUI thread's own stack; pages are only committed when used.
constexpr std::size_t kStackBytes = 8 * 1024 * 1024;

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

void Fiber::Resume() {
    const ExceptionState resumerState = ExceptionState::Current();
    exceptionState_.Install();
    waiting_ = false;
    suspended_ = std::move(suspended_).resume();
    exceptionState_ = ExceptionState::Current();
    resumerState.Install();
}

void Fiber::Suspend(bool waiting) {
    waiting_ = waiting;
    resumer_ = std::move(resumer_).resume();
}

} // namespace coop::detail

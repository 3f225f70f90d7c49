#pragma once
// The C++ runtime keeps the exceptions being handled (the ones `throw;` and
// std::current_exception see) and the count of uncaught ones per system
// thread, not per fiber. Two fibers that yield inside catch blocks would
// otherwise end each other's handlers, so every switch carries this state
// with the fiber.

namespace coop::detail {

class ExceptionState {
public:
    // The state of the code running now.
    static ExceptionState Current();
    // Makes this the state of the code running now.
    void Install() const;

private:
    void* caughtExceptions_ = nullptr;
    unsigned int uncaughtExceptions_ = 0;
};

} // namespace coop::detail

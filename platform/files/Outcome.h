#pragma once
// What an operation that can fail gives back: success; a failure with its
// reason, "「path」：reason" as FileError.h words it; or the end that the
// user's stop put to it. A caller must look at it ([[nodiscard]]), and no
// empty text ever stands for success.

#include "platform/text/String.h"

#include <utility>

class [[nodiscard]] Outcome {
public:
    static Outcome Success() { return Outcome(State::Succeeded, String()); }
    static Outcome Failure(String reason) { return Outcome(State::Failed, std::move(reason)); }
    static Outcome Stopped() { return Outcome(State::Stopped, String()); }

    bool Succeeded() const { return state_ == State::Succeeded; }
    bool Failed() const { return state_ == State::Failed; }
    // Why it failed; empty unless it did.
    const String& Reason() const { return reason_; }

private:
    enum class State { Succeeded, Failed, Stopped };
    Outcome(State state, String reason) : state_(state), reason_(std::move(reason)) {}

    State state_;
    String reason_;
};

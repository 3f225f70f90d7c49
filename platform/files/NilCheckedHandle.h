#pragma once
// Shared state behind a framework handle (file item, stream). A default handle
// is Nil; reaching through it throws NilObjectException instead of crashing.

#include "platform/Nil.h"

#include <memory>
#include <utility>

template <class State> class NilCheckedHandle {
public:
    NilCheckedHandle() = default;
    explicit NilCheckedHandle(std::shared_ptr<State> state) : state_(std::move(state)) {}

    bool IsNil() const { return state_ == nullptr; }

    State& operator*() const {
        if (!state_)
            throw NilObjectException();
        return *state_;
    }
    State* operator->() const { return &**this; }

private:
    std::shared_ptr<State> state_;
};

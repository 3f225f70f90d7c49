#pragma once
// The framework's Nil: a missing object. Handles (file items, windows) compare
// equal to Nil when they refer to nothing; using such a handle throws
// NilObjectException, which the event loop and every cooperative thread turn
// into the framework's unhandled-exception alert instead of a crash.

#include <stdexcept>

struct NilObjectException : std::runtime_error {
    explicit NilObjectException(const char* what = "NilObjectException")
        : std::runtime_error(what) {}
};

struct NilType {};
inline constexpr NilType Nil{};

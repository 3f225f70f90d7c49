#include "platform/threads/ExceptionState.h"

#include <cxxabi.h>

namespace coop::detail {
namespace {

// The per-thread record of the Itanium C++ ABI (libstdc++ and libc++abi alike).
struct EhGlobals {
    void* caughtExceptions;
    unsigned int uncaughtExceptions;
};

EhGlobals& Globals() {
    return *reinterpret_cast<EhGlobals*>(abi::__cxa_get_globals());
}

} // namespace

ExceptionState ExceptionState::Current() {
    ExceptionState state;
    state.caughtExceptions_ = Globals().caughtExceptions;
    state.uncaughtExceptions_ = Globals().uncaughtExceptions;
    return state;
}

void ExceptionState::Install() const {
    Globals().caughtExceptions = caughtExceptions_;
    Globals().uncaughtExceptions = uncaughtExceptions_;
}

} // namespace coop::detail

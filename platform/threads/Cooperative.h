#pragma once
// Cooperative threads share the GUI thread: each is a fiber with its own
// stack, resumed in turn by a scheduler that the Qt event loop drives.
// Control passes only where code yields (YieldToNextThread, WaitUntil,
// SleepUntil, a modal dialog), so the system's code never takes a lock.

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace coop {

// True while running on a cooperative thread's own stack.
bool InThread();

// Identifies the cooperative thread running now, for state kept per thread;
// null on the event loop's own stack.
const void* CurrentThreadKey();

// Numbers the scheduler's slices: each time the event loop hands the
// cooperative threads the processor (a few milliseconds of turns, or one
// pass run from the loop's stack) gets a new number; 0 outside the threads
// (on the event loop's stack, on other OS threads). A thread resumed because
// what it waited for has come starts a new number too. Under one number no
// event handler runs and nothing waited for happens, only the threads' own
// code, so a fact learnt under it can stand until the number changes, unless
// the threads change it.
std::uint64_t CurrentSlice();

// On a cooperative thread: return to the scheduler, resume later.
// On the event loop's stack: run one scheduler pass and return.
void YieldToNextThread();

// Called at every YieldToNextThread, for tools that count the yields (the
// benchmarks); none by default.
using YieldHook = void (*)();
void SetYieldHook(YieldHook hook);

// Returns once done() is true. A cooperative thread yields meanwhile; on the
// event loop's stack a nested event loop runs, and the scheduler goes on
// resuming the cooperative threads from it. That nested loop also returns,
// with done() still false, when the application quits: a modal dialog then
// ends as cancelled, as Qt's own do.
void WaitUntil(const std::function<bool()>& done);

// Returns once the clock (Microseconds) has reached deadlineUs. A cooperative
// thread sleeps meanwhile: it is resumed at its first turn after that time,
// and while every thread waits the event loop blocks. On the event loop's
// stack a nested event loop runs until then.
void SleepUntil(double deadlineUs);

// From any OS thread: something that a waiting thread's condition reads has
// changed; the event loop wakes up to look at it.
void WakeWaitingThreads();

// The framework's microsecond clock: monotonic, never set back.
double Microseconds();

// What to do with an exception that escapes a thread's Run or an event
// handler: the application installs the framework's default alert and quit.
// An empty handler restores the default, which prints the error to stderr
// and quits the application with exit code 1.
void SetUnhandledExceptionHandler(std::function<void(std::exception_ptr)> handler);
void ReportUnhandledException(std::exception_ptr error);
// What an escaped exception says of itself, for messages.
std::string DescribeException(std::exception_ptr error);

// Runs an event handler; what escapes it is reported instead of reaching Qt.
void Guard(const std::function<void()>& handler);

} // namespace coop

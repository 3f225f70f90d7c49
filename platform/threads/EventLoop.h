#pragma once
// Running the event loop until something has happened, for waits that must
// not block the windows and for tests that must not hang.

#include <functional>

namespace coop {

// Runs a nested event loop, and with it the cooperative threads, until
// done() is true or timeoutMs milliseconds have passed (a negative timeout:
// no limit). Returns whether done() is true. The loop also ends when the
// application quits, as Qt ends every event loop then. On a cooperative
// thread the thread waits instead, as a thread never runs an event loop of
// its own: it is resumed once done() is true or the time is up.
bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs);

} // namespace coop

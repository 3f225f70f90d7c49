#include "platform/threads/EventLoop.h"

#include "platform/threads/Cooperative.h"
#include "platform/threads/Scheduler.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <stdexcept>

namespace coop {
namespace {

// The fiber is resumed only once done() holds or the time is up.
bool YieldUntil(detail::Fiber& fiber, const std::function<bool()>& done, int timeoutMs) {
    const double deadlineUs =
        timeoutMs < 0 ? detail::WakeUp::kNever : Microseconds() + timeoutMs * 1000.0;
    while (!done()) {
        if (Microseconds() >= deadlineUs)
            return false;
        fiber.Suspend({.condition = &done, .atUs = deadlineUs});
    }
    return true;
}

} // namespace

bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs) {
    if (detail::Fiber* fiber = detail::Scheduler::Instance().Current())
        return YieldUntil(*fiber, done, timeoutMs);
    if (!QCoreApplication::instance())
        throw std::logic_error("running the event loop needs the application object");
    if (done())
        return true;
    // Work on other OS threads wakes this loop through the scheduler.
    detail::Scheduler::Instance().Attach();

    // A real nested loop, as Qt's own modal dialogs run, so that objects
    // deleted later from its handlers are deleted as Qt promises.
    // done() is looked at whenever the loop is about to block, after the
    // events and the threads' turns that may have changed it.
    QEventLoop loop;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &loop, [&] {
                         if (done())
                             loop.quit();
                     });
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (timeoutMs >= 0)
        deadline.start(timeoutMs);
    // Also ends when the application quits: Qt ends every event loop then.
    loop.exec();
    return done();
}

} // namespace coop

#include "platform/threads/EventLoop.h"

#include "platform/threads/Scheduler.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <stdexcept>

namespace coop {
namespace {

// For event dispatchers that announce only real waits, or that posted
// events keep busy, done() is also checked this often.
constexpr int kCheckIntervalMs = 10;

bool YieldUntil(detail::Fiber& fiber, const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline =
        timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        fiber.Suspend(true);
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

    // A real nested loop, as Qt's own modal dialogs run, so that objects
    // deleted later from its handlers are deleted as Qt promises.
    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &loop, check);
    QTimer checkAgain;
    QObject::connect(&checkAgain, &QTimer::timeout, &loop, check);
    checkAgain.start(kCheckIntervalMs);
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

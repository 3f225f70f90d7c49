#include "platform/threads/EventLoop.h"

#include "platform/threads/Scheduler.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <stdexcept>

namespace coop {

bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline =
        timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    if (detail::Fiber* fiber = detail::Scheduler::Instance().Current()) {
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            fiber->Suspend(true);
        }
        return true;
    }
    if (!QCoreApplication::instance())
        throw std::logic_error("running the event loop needs the application object");
    // Wakes the loop at the deadline when no other event comes; started again
    // should it fire a little early.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        if (!deadline.isForever() && !wake.isActive())
            wake.start(static_cast<int>(deadline.remainingTime()) + 1);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace coop

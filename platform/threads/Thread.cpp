#include "platform/threads/Thread.h"

#include "platform/threads/Scheduler.h"

#include <stdexcept>

void Thread::Run() {
    if (started_)
        throw std::logic_error("Thread.Run: the thread was started before");
    std::shared_ptr<Thread> self = weak_from_this().lock();
    if (!self)
        throw std::logic_error("Thread.Run: threads are made with std::make_shared");
    started_ = true;
    coop::detail::Scheduler::Instance().Start([self] { self->Event_Run(); });
}

#pragma once
// The framework's cooperative thread. A subclass puts its work in Event_Run;
// Run starts it on a fiber of its own, at the scheduler's next pass. Create
// threads with std::make_shared: Run keeps the object alive until Event_Run
// returns, so the creator need not hold a reference. A thread runs once.
//
// Event_Run shares the GUI thread with the windows and the other threads and
// gives them their turn only where it yields (coop::YieldToNextThread,
// coop::WaitUntil, a modal dialog). What escapes Event_Run ends the thread
// and is reported through coop::ReportUnhandledException.

#include <memory>

class Thread : public std::enable_shared_from_this<Thread> {
public:
    Thread() = default;
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    virtual ~Thread() = default;

    // Throws std::logic_error when the thread was started before or was not
    // made by std::make_shared.
    void Run();

protected:
    virtual void Event_Run() = 0;

private:
    bool started_ = false;
};

#pragma once
// A cooperative thread that counts the scheduler passes it is given, until
// told to stop. A yield made on the event loop's stack runs exactly one
// pass, so the count tells how often code there yielded; on other threads
// it shows that this one went on meanwhile.

#include "platform/threads/Cooperative.h"
#include "platform/threads/Thread.h"

class PassCounter : public Thread {
public:
    int passes = 0;
    bool stop = false;
    bool ended = false;

protected:
    void Event_Run() override {
        while (!stop) {
            ++passes;
            coop::YieldToNextThread();
        }
        ended = true;
    }
};

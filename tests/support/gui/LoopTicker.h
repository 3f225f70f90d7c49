#pragma once
// Watches the event loop: a timer that fires every few milliseconds while the
// ticker lives, counting its firings and the longest time between two of
// them. A gap much longer than the interval means the loop was held up.

#include <functional>
#include <memory>

class LoopTicker {
public:
    // How the ticker gets run again later from the event loop (GuiTest::RunLater).
    using RunLater = std::function<void(int delayMs, std::function<void()> action)>;

    LoopTicker(RunLater runLater, int intervalMs);
    ~LoopTicker();
    LoopTicker(const LoopTicker&) = delete;
    LoopTicker& operator=(const LoopTicker&) = delete;

    int Ticks() const;
    double LongestGapMs() const;

private:
    struct State;
    static void Tick(const std::shared_ptr<State>& state);

    // Shared with the timer still pending when the ticker goes.
    std::shared_ptr<State> state_;
};

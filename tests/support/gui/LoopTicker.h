#pragma once
// Watches the event loop: a timer that fires every few milliseconds while the
// ticker lives, counting its firings and the longest processor time that the
// GUI thread spent between two of them. That time is what our code held the
// loop for; a loaded machine adds wall time, not this.

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

    // May be read from any OS thread.
    int Ticks() const;
    // On the GUI thread only.
    double LongestBusyGapMs() const;

private:
    struct State;
    static void Tick(const std::shared_ptr<State>& state);

    // Shared with the timer still pending when the ticker goes.
    std::shared_ptr<State> state_;
};

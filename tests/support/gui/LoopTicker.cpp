#include "tests/support/gui/LoopTicker.h"

#include <algorithm>
#include <atomic>

#include "tests/support/ProcessorTime.h"

struct LoopTicker::State {
    RunLater runLater;
    int intervalMs = 0;
    bool running = true;
    std::atomic<int> ticks = 0;
    double lastMs = 0;
    double longestGapMs = 0;
};

LoopTicker::LoopTicker(RunLater runLater, int intervalMs) : state_(std::make_shared<State>()) {
    state_->runLater = std::move(runLater);
    state_->intervalMs = intervalMs;
    state_->lastMs = ThreadProcessorMs();
    state_->runLater(intervalMs, [state = state_] { Tick(state); });
}

LoopTicker::~LoopTicker() {
    state_->running = false;
}

int LoopTicker::Ticks() const {
    return state_->ticks;
}

double LoopTicker::LongestBusyGapMs() const {
    // A gap still open counts too.
    const double open = ThreadProcessorMs() - state_->lastMs;
    return std::max(state_->longestGapMs, open);
}

void LoopTicker::Tick(const std::shared_ptr<State>& state) {
    if (!state->running)
        return;
    const double now = ThreadProcessorMs();
    state->longestGapMs = std::max(state->longestGapMs, now - state->lastMs);
    state->lastMs = now;
    ++state->ticks;
    state->runLater(state->intervalMs, [state] { Tick(state); });
}

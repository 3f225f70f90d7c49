#include "tests/support/gui/LoopTicker.h"

#include <algorithm>

#include "platform/threads/Cooperative.h"

struct LoopTicker::State {
    RunLater runLater;
    int intervalMs = 0;
    bool running = true;
    int ticks = 0;
    double lastUs = 0;
    double longestGapUs = 0;
};

LoopTicker::LoopTicker(RunLater runLater, int intervalMs) : state_(std::make_shared<State>()) {
    state_->runLater = std::move(runLater);
    state_->intervalMs = intervalMs;
    state_->lastUs = coop::Microseconds();
    state_->runLater(intervalMs, [state = state_] { Tick(state); });
}

LoopTicker::~LoopTicker() {
    state_->running = false;
}

int LoopTicker::Ticks() const {
    return state_->ticks;
}

double LoopTicker::LongestGapMs() const {
    // A gap still open counts too.
    const double open = coop::Microseconds() - state_->lastUs;
    return std::max(state_->longestGapUs, open) / 1000.0;
}

void LoopTicker::Tick(const std::shared_ptr<State>& state) {
    if (!state->running)
        return;
    const double now = coop::Microseconds();
    state->longestGapUs = std::max(state->longestGapUs, now - state->lastUs);
    state->lastUs = now;
    ++state->ticks;
    state->runLater(state->intervalMs, [state] { Tick(state); });
}

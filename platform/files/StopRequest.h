#pragma once
// A request, from another thread, that a copy stop: looked at between the
// chunks of a file's data and between the entries of a folder, so that it
// takes effect within a moment however large the item. A copy that began
// less than a moment ago runs until it has had that moment: a small item is
// then whole, as if the request had come right after it.

#include <atomic>
#include <chrono>

namespace files {

class StopRequest {
public:
    // From any thread.
    void Request() { requested_.store(true); }
    // On the copying thread: whether to stop here.
    bool Due() const {
        return requested_.load() && std::chrono::steady_clock::now() >= began_ + kFirstMoment;
    }

private:
    static constexpr std::chrono::milliseconds kFirstMoment{500};

    const std::chrono::steady_clock::time_point began_ = std::chrono::steady_clock::now();
    std::atomic<bool> requested_{false};
};

// Whether a copy given that request (or none) is to stop here.
inline bool StopDue(const StopRequest* stop) {
    return stop != nullptr && stop->Due();
}

} // namespace files

#include "platform/work/BackgroundWork.h"

#include "platform/threads/Cooperative.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace work {

namespace {

// Counts the jobs running; its end, at the process's end, waits for them.
class RunningJobs {
public:
    ~RunningJobs() {
        std::unique_lock lock(mutex_);
        ended_.wait(lock, [this] { return running_ == 0; });
    }
    void Started() {
        std::lock_guard lock(mutex_);
        ++running_;
    }
    void Ended() {
        std::lock_guard lock(mutex_);
        --running_;
        ended_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    int running_ = 0;
};

RunningJobs& Jobs() {
    static RunningJobs jobs;
    return jobs;
}

// What the job and its caller share; it outlives whichever of them ends first.
struct JobState {
    std::atomic<bool> done{false};
    std::exception_ptr error;
    std::mutex mutex;
    std::condition_variable finished;
};

} // namespace

void RunInBackground(std::function<void()> job) {
    auto state = std::make_shared<JobState>();
    RunningJobs& jobs = Jobs();
    jobs.Started();
    std::thread([&jobs, state, job = std::move(job)]() mutable {
        try {
            job();
        } catch (...) {
            state->error = std::current_exception();
        }
        job = nullptr; // what it holds goes before the process may end
        {
            std::lock_guard lock(state->mutex);
            state->done.store(true, std::memory_order_release);
            state->finished.notify_all();
        }
        coop::WakeWaitingThreads();
        jobs.Ended();
    }).detach();

    coop::WaitUntil([&state] { return state->done.load(std::memory_order_acquire); });
    // The wait also ends when the application quits; the job's results are
    // still to come then, and the caller must not go on without them.
    std::unique_lock lock(state->mutex);
    state->finished.wait(lock, [&state] { return state->done.load(std::memory_order_acquire); });
    if (state->error)
        std::rethrow_exception(state->error);
}

} // namespace work

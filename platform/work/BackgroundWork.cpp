#include "platform/work/BackgroundWork.h"

#include "platform/threads/Cooperative.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace work {

namespace {

// How long the end of the process waits for the jobs it asked to stop: long
// enough for one to undo what it made.
constexpr std::chrono::seconds kEndWait{3};

// What the job and its caller share; it outlives whichever of them ends first.
struct JobState {
    files::StopRequest stop;
    std::atomic<bool> done{false};
    std::exception_ptr error;
};

// The jobs running; its end, at the end of the process, stops them.
class RunningJobs {
public:
    ~RunningJobs() { StopAll(); }

    void Started(std::shared_ptr<JobState> job) {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    // The job's last step: once every job has ended, the process may end.
    void Ended(const JobState& job) {
        std::lock_guard lock(mutex_);
        std::erase_if(jobs_, [&job](const auto& running) { return running.get() == &job; });
        ended_.notify_all();
    }
    // Asks every job to stop and waits for them; the process ends here when
    // one has not ended in time.
    void StopAll() {
        std::unique_lock lock(mutex_);
        for (const auto& job : jobs_)
            job->stop.Request();
        if (!ended_.wait_for(lock, kEndWait, [this] { return jobs_.empty(); }))
            std::_Exit(EXIT_FAILURE);
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    std::vector<std::shared_ptr<JobState>> jobs_;
};

RunningJobs& Jobs() {
    static RunningJobs jobs;
    return jobs;
}

} // namespace

void RunInBackground(std::function<void(const files::StopRequest& stop)> job,
                     const std::function<bool()>& stopRequested) {
    auto state = std::make_shared<JobState>();
    RunningJobs& jobs = Jobs();
    jobs.Started(state);
    std::thread([&jobs, state, job = std::move(job)]() mutable {
        try {
            job(state->stop);
        } catch (...) {
            state->error = std::current_exception();
        }
        job = nullptr; // what it holds goes before the process may end
        state->done.store(true, std::memory_order_release);
        coop::WakeWaitingThreads();
        jobs.Ended(*state);
    }).detach();

    coop::WaitUntil([&state, &stopRequested] {
        if (stopRequested && stopRequested())
            state->stop.Request();
        return state->done.load(std::memory_order_acquire);
    });
    // The wait also ends when the application quits; the job's results are
    // still to come then, and the caller must not go on without them.
    if (!state->done.load(std::memory_order_acquire))
        jobs.StopAll();
    if (state->error)
        std::rethrow_exception(state->error);
}

} // namespace work

#include "work/WorkService.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

// The jobs of one spread: their next index, and how many of them the service still holds,
// run or not (a job dropped at shutdown counts down too, so the caller never waits forever).
struct Spread {
    std::atomic<std::size_t> next = 0;
    std::mutex mutex;
    std::condition_variable allGone;
    int held = 0;
};

// Counts a job down when the service lets go of it.
struct HeldJob {
    explicit HeldJob(std::shared_ptr<Spread> spread) : spread(std::move(spread)) {}
    ~HeldJob() {
        std::lock_guard lock(spread->mutex);
        if (--spread->held == 0)
            spread->allGone.notify_all();
    }
    std::shared_ptr<Spread> spread;
};

} // namespace

void spreadOver(WorkService& service, WorkLane lane, std::size_t count,
                const std::function<void(std::size_t)>& each) {
    const auto spread = std::make_shared<Spread>();
    const int jobs = int(std::min<std::size_t>(std::size_t(service.workers(lane)), count));
    spread->held = jobs;
    for (int job = 0; job < jobs; ++job) {
        auto held = std::make_shared<HeldJob>(spread);
        service.run(lane, [held, &each, count] {
            for (std::size_t index; (index = held->spread->next++) < count;)
                each(index);
        });
    }
    std::unique_lock lock(spread->mutex);
    spread->allGone.wait(lock, [&] { return spread->held == 0; });
}

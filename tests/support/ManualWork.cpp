#include "tests/support/ManualWork.h"

#include <algorithm>

WorkHandle ManualWork::run(WorkLane lane, std::function<void()> work,
                           std::function<void()> handBack) {
    Job job{lane, WorkHandle::make(), std::move(work), std::move(handBack)};
    if (stopped) {
        job.handle.cancel();
        return job.handle;
    }
    if (held.contains(lane)) {
        jobs.push_back(job);
        return job.handle;
    }
    runJob(job);
    return job.handle;
}

void ManualWork::runJob(Job& job) {
    if (job.handle.cancelled())
        return;
    job.work();
    job.handle.markFinished();
    if (job.handBack)
        job.handBack();
}

bool ManualWork::runNext(WorkLane lane) {
    const auto next =
        std::find_if(jobs.begin(), jobs.end(), [lane](const Job& job) { return job.lane == lane; });
    if (next == jobs.end())
        return false;
    Job job = std::move(*next);
    jobs.erase(next);
    runJob(job);
    return true;
}

void ManualWork::runAll(WorkLane lane) {
    while (runNext(lane)) {
    }
}

std::size_t ManualWork::waiting(WorkLane lane) const {
    return std::size_t(std::count_if(jobs.begin(), jobs.end(),
                                     [lane](const Job& job) { return job.lane == lane; }));
}

void ManualWork::stop() {
    stopped = true;
    for (Job& job : jobs)
        job.handle.cancel();
    jobs.clear();
}

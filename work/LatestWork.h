#pragma once

#include <functional>
#include <utility>

#include "work/WorkService.h"

// One job of a kind at a time: another one cancels the one before, so that only the latest
// result arrives (a delivery's read, a search's preparation, a check).
class LatestWork {
public:
    LatestWork(WorkService& service, WorkLane lane) : service(service), lane(lane) {}
    LatestWork(const LatestWork&) = delete;
    LatestWork& operator=(const LatestWork&) = delete;
    ~LatestWork() { cancel(); }

    template <class Result>
    void run(std::function<Result()> work, std::function<void(Result)> done) {
        cancel();
        latest = runForResult(service, lane, std::move(work), std::move(done));
    }
    void cancel() { latest.cancel(); }
    // Its result is still to come.
    bool pending() const { return latest.pending(); }

private:
    WorkService& service;
    WorkLane lane;
    WorkHandle latest;
};

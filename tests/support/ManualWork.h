#pragma once

#include <deque>
#include <functional>
#include <set>
#include <utility>

#include "work/WorkService.h"

// Runs work on the test's thread: at once, or, for the lanes the test holds, only when it
// says so, in the order handed over. So what arrives when is decided by the test.
class ManualWork : public WorkService {
public:
    std::set<WorkLane> held;

    WorkHandle run(WorkLane lane, std::function<void()> work,
                   std::function<void()> handBack = {}) override;
    int workers(WorkLane) const override { return 2; }
    void stop() override;

    // Runs the oldest job waiting in lane, with its hand-back; false when none waits.
    bool runNext(WorkLane lane);
    // Runs lane's jobs until none waits, also those that the jobs run hand over.
    void runAll(WorkLane lane);
    std::size_t waiting(WorkLane lane) const;

private:
    struct Job {
        WorkLane lane;
        WorkHandle handle;
        std::function<void()> work;
        std::function<void()> handBack;
    };
    static void runJob(Job& job);

    std::deque<Job> jobs;
    bool stopped = false;
};

#pragma once

#include <array>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "work/WorkService.h"

class QSocketNotifier;

// The work service on threads of its own. Each thread holds the service, so work that uses
// it (a check spreading its probes) may run on after the program stopped it. Leaving never
// waits on a read a disc no longer answers: stop drops the queued work, gives running work
// half a second, and abandons whatever still runs (its result is dropped when it ends).
class ThreadedWork : public WorkService, public std::enable_shared_from_this<ThreadedWork> {
public:
    // Made on the thread that receives the hand-backs.
    static std::shared_ptr<ThreadedWork> make();
    ~ThreadedWork() override;

    WorkHandle run(WorkLane lane, std::function<void()> work,
                   std::function<void()> handBack = {}) override;
    int workers(WorkLane lane) const override;
    void stop() override;

private:
    struct Task {
        WorkHandle handle;
        std::function<void()> work;
        std::function<void()> handBack;
    };
    struct Lane {
        std::deque<Task> queue;
        std::condition_variable wake;
        int threads = 0;
        int idle = 0;
    };
    ThreadedWork();
    void workOn(WorkLane lane);
    std::optional<Task> nextTask(WorkLane lane, std::unique_lock<std::mutex>& lock);
    void handBackLater(Task task);
    void handBackAll();
    Lane& laneOf(WorkLane lane) { return lanes[std::size_t(lane)]; }

    const int cores; // asked once: the loader asks how many decodes may run at every step
    std::mutex mutex;
    std::array<Lane, 3> lanes;
    std::condition_variable quiet; // no work runs any more
    int running = 0;
    bool stopped = false;
    std::vector<Task> handBacks;
    // Wakes the thread that made the service when hand-backs wait: a counter in the kernel
    // that its event loop watches. Workers never touch Qt.
    int wakeUpCounter;
    QSocketNotifier* wakeUp; // null once stopped
};

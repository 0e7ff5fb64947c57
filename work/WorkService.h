#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

#include "work/WorkHandle.h"
#include "work/WorkLane.h"

// Where everything that must not hold up the window runs. Work runs on a thread of its lane;
// its hand-back then runs on the thread that made the service (the GUI thread), never before
// run has returned, and not at all once the handle was cancelled or the service stopped.
class WorkService {
public:
    virtual ~WorkService() = default;

    virtual WorkHandle run(WorkLane lane, std::function<void()> work,
                           std::function<void()> handBack = {}) = 0;
    // How many jobs of the lane run at once.
    virtual int workers(WorkLane lane) const = 0;
    // From the GUI thread, when the program leaves: queued work is dropped, no result is
    // handed back any more, and work run afterwards never starts.
    virtual void stop() = 0;
};

// Owns a service for the GUI thread and stops it when it goes; the service itself lives on
// while work it runs may still use it.
class WorkOwner {
public:
    explicit WorkOwner(std::shared_ptr<WorkService> service) : service(std::move(service)) {}
    WorkOwner(const WorkOwner&) = delete;
    WorkOwner& operator=(const WorkOwner&) = delete;
    ~WorkOwner() { service->stop(); }

    WorkService& operator*() const { return *service; }
    WorkService* operator->() const { return service.get(); }

private:
    std::shared_ptr<WorkService> service;
};

// Runs work on the lane and hands its result to done on the GUI thread.
template <class Result>
WorkHandle runForResult(WorkService& service, WorkLane lane, std::function<Result()> work,
                        std::function<void(Result)> done) {
    // Written by the worker, read by the hand-back: the service orders the two.
    auto result = std::make_shared<std::optional<Result>>();
    return service.run(
        lane, [work = std::move(work), result] { result->emplace(work()); },
        [done = std::move(done), result] { done(std::move(**result)); });
}

// Runs each(0) … each(count - 1) on the lane's threads and returns when every one has run.
// Called from a worker of another lane, never from the GUI thread.
void spreadOver(WorkService& service, WorkLane lane, std::size_t count,
                const std::function<void(std::size_t)>& each);

// spreadOver on the service's lane, for code that knows no service (the check).
inline std::function<void(std::size_t, const std::function<void(std::size_t)>&)>
spreadIn(WorkService& service, WorkLane lane) {
    return [&service, lane](std::size_t count, const std::function<void(std::size_t)>& each) {
        spreadOver(service, lane, count, each);
    };
}

#include "work/ThreadedWork.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <iterator>
#include <thread>
#include <utility>

#include <QSocketNotifier>
#include <QThread>

#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// The wake-up counter orders a worker's writes before the GUI thread's reads for
// ThreadSanitizer too; the annotations say so where Qt's uninstrumented event loop lies between.
#if defined(__SANITIZE_THREAD__)
#define TESSEL_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TESSEL_TSAN 1
#endif
#endif
#ifdef TESSEL_TSAN
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace {

void handedOver(void* address) {
#ifdef TESSEL_TSAN
    __tsan_release(address);
#else
    (void)address;
#endif
}

void takenOver(void* address) {
#ifdef TESSEL_TSAN
    __tsan_acquire(address);
#else
    (void)address;
#endif
}

// Reads nobody waits for yield to the images on screen.
void lowerThisThreadsPriority() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
}

bool keepsThreads(WorkLane lane) {
    return lane != WorkLane::Single;
}

constexpr auto stopGrace = std::chrono::milliseconds(500);

} // namespace

ThreadedWork::ThreadedWork()
    : cores(std::max(1, QThread::idealThreadCount())),
      wakeUpCounter(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      wakeUp(new QSocketNotifier(wakeUpCounter, QSocketNotifier::Read)) {
    QObject::connect(wakeUp, &QSocketNotifier::activated, [this] {
        std::uint64_t count = 0;
        if (read(wakeUpCounter, &count, sizeof count) == sizeof count)
            takenOver(this);
        handBackAll();
    });
}

std::shared_ptr<ThreadedWork> ThreadedWork::make() {
    return std::shared_ptr<ThreadedWork>(new ThreadedWork);
}

ThreadedWork::~ThreadedWork() {
    // Without a stop only: no thread is left, and this is the thread that made the service.
    delete wakeUp;
    close(wakeUpCounter);
}

int ThreadedWork::workers(WorkLane lane) const {
    return keepsThreads(lane) ? cores : INT_MAX;
}

WorkHandle ThreadedWork::run(WorkLane lane, std::function<void()> work,
                             std::function<void()> handBack) {
    WorkHandle handle = WorkHandle::make();
    Task task{handle, std::move(work), std::move(handBack)};
    std::lock_guard lock(mutex);
    if (stopped) {
        handle.cancel();
        return handle;
    }
    Lane& queue = laneOf(lane);
    queue.queue.push_back(std::move(task));
    if (int(queue.queue.size()) > queue.idle && queue.threads < workers(lane)) {
        ++queue.threads;
        std::thread([self = shared_from_this(), lane] { self->workOn(lane); }).detach();
    }
    queue.wake.notify_one();
    return handle;
}

void ThreadedWork::workOn(WorkLane lane) {
    if (lane == WorkLane::Background)
        lowerThisThreadsPriority();
    std::unique_lock lock(mutex);
    while (std::optional<Task> task = nextTask(lane, lock)) {
        ++running;
        lock.unlock();
        task->work();
        lock.lock();
        --running;
        quiet.notify_all();
        if (!stopped)
            handBackLater(std::move(*task));
    }
    --laneOf(lane).threads;
}

std::optional<ThreadedWork::Task> ThreadedWork::nextTask(WorkLane lane,
                                                         std::unique_lock<std::mutex>& lock) {
    Lane& queue = laneOf(lane);
    while (!stopped) {
        if (!queue.queue.empty()) {
            Task task = std::move(queue.queue.front());
            queue.queue.pop_front();
            if (!task.handle.cancelled())
                return task;
            continue;
        }
        if (!keepsThreads(lane))
            break;
        ++queue.idle;
        queue.wake.wait(lock);
        --queue.idle;
    }
    return std::nullopt;
}

void ThreadedWork::handBackLater(Task task) {
    if (!task.handBack) {
        task.handle.markFinished();
        return;
    }
    handBacks.push_back(std::move(task));
    if (handBacks.size() == 1) {
        handedOver(this);
        const std::uint64_t one = 1;
        // Fails only when the counter is full, and then the GUI thread is woken anyway.
        [[maybe_unused]] const auto written = write(wakeUpCounter, &one, sizeof one);
    }
}

void ThreadedWork::handBackAll() {
    std::vector<Task> ready;
    {
        std::lock_guard lock(mutex);
        ready.swap(handBacks);
    }
    for (Task& task : ready) {
        if (task.handle.cancelled())
            continue;
        task.handle.markFinished();
        task.handBack();
    }
}

void ThreadedWork::stop() {
    std::vector<Task> dropped;
    {
        std::unique_lock lock(mutex);
        if (stopped)
            return;
        stopped = true;
        for (Lane& queue : lanes) {
            std::move(queue.queue.begin(), queue.queue.end(), std::back_inserter(dropped));
            queue.queue.clear();
            queue.wake.notify_all();
        }
        std::move(handBacks.begin(), handBacks.end(), std::back_inserter(dropped));
        handBacks.clear();
        quiet.wait_for(lock, stopGrace, [this] { return running == 0; });
        delete std::exchange(wakeUp, nullptr);
    }
    // Their closures may hold what a spread waits for; let go of them outside the lock.
    for (Task& task : dropped)
        task.handle.cancel();
}

#include "work/ThreadedWork.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <iterator>
#include <thread>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// Qt's event queue hands the "results are waiting" event from a worker to the GUI thread
// inside Qt's own, uninstrumented code, so ThreadSanitizer cannot see that the worker's
// writes come before the GUI thread's reads. These two calls tell it.
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

} // namespace

namespace {

const QEvent::Type resultsWaiting = QEvent::Type(QEvent::registerEventType());

// Reads nobody waits for yield to the images on screen.
void lowerThisThreadsPriority() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
}

bool keepsThreads(WorkLane lane) {
    return lane != WorkLane::Single;
}

constexpr auto stopGrace = std::chrono::milliseconds(500);

} // namespace

// Runs the hand-backs on the thread that made the service.
class HandBackReceiver : public QObject {
public:
    explicit HandBackReceiver(ThreadedWork& work) : work(work) {}

    bool event(QEvent* event) override {
        takenOver(&work);
        if (event->type() != resultsWaiting)
            return QObject::event(event);
        work.handBackAll();
        return true;
    }

private:
    ThreadedWork& work;
};

ThreadedWork::ThreadedWork() : receiver(new HandBackReceiver(*this)) {}

std::shared_ptr<ThreadedWork> ThreadedWork::make() {
    return std::shared_ptr<ThreadedWork>(new ThreadedWork);
}

ThreadedWork::~ThreadedWork() {
    // Only when stop was never called and no thread is left: still on the GUI thread.
    delete receiver;
}

int ThreadedWork::workers(WorkLane lane) const {
    return keepsThreads(lane) ? std::max(1, QThread::idealThreadCount()) : INT_MAX;
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
        auto* event = new QEvent(resultsWaiting);
        handedOver(this);
        QCoreApplication::postEvent(receiver, event);
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
        delete receiver; // with the event that may still wait for it
        receiver = nullptr;
    }
    // Their closures may hold what a spread waits for; let go of them outside the lock.
    for (Task& task : dropped)
        task.handle.cancel();
}

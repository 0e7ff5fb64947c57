// A race planted on purpose: a job of the work service and a hand-back on the GUI thread,
// called from Qt's event loop, both write one counter with no order between them (the relaxed
// flags order nothing). The ThreadSanitizer run must report it, naming this file; if it does
// not, the run cannot see a race in the program's own code either.
#include <atomic>

#include <QCoreApplication>
#include <QEventLoop>

#include "work/ThreadedWork.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const WorkOwner work(ThreadedWork::make());
    int counter = 0;
    std::atomic<bool> written = false;
    std::atomic<bool> read = false;
    bool handedBack = false;
    work->run(
        WorkLane::Background, [] {},
        [&] {
            while (!written.load(std::memory_order_relaxed)) {
            }
            ++counter; // the race, on the GUI thread inside Qt's event loop
            read.store(true, std::memory_order_relaxed);
            handedBack = true;
        });
    work->run(WorkLane::Single, [&] {
        ++counter; // the race, on a worker
        written.store(true, std::memory_order_relaxed);
        while (!read.load(std::memory_order_relaxed)) {
        } // so that no lock the worker takes afterwards comes between the two
    });
    while (!handedBack)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return counter == 2 ? 0 : 1;
}

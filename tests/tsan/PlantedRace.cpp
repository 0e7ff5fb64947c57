// A race planted on purpose: a job of the work service and the GUI thread both write one
// counter without any order between them. The ThreadSanitizer run must report it, naming this
// file; if it does not, the run cannot see a race in the program's own code either.
#include <QCoreApplication>
#include <QEventLoop>

#include "work/ThreadedWork.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const WorkOwner work(ThreadedWork::make());
    int counter = 0;
    bool handedBack = false;
    work->run(
        WorkLane::Background, [&counter] { ++counter; }, [&handedBack] { handedBack = true; });
    ++counter; // the race: the job may be writing it now
    while (!handedBack)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return counter == 2 ? 0 : 1;
}

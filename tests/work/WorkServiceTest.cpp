#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>

#include "work/LatestWork.h"
#include "work/ThreadedWork.h"

class WorkServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workRunsElsewhereAndItsResultComesBackOnTheGuiThread() {
        const WorkOwner work(ThreadedWork::make());
        const std::thread::id gui = std::this_thread::get_id();
        for (const WorkLane lane :
             {WorkLane::Interactive, WorkLane::Background, WorkLane::Single}) {
            std::thread::id workedOn;
            std::thread::id heardOn;
            int heard = 0;
            LatestWork latest(*work, lane);
            latest.run<int>(
                [&workedOn] {
                    workedOn = std::this_thread::get_id();
                    return 2;
                },
                [&](int result) {
                    heard = result;
                    heardOn = std::this_thread::get_id();
                });
            while (latest.pending())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QCOMPARE(heard, 2);
            QVERIFY(workedOn != gui);
            QVERIFY(heardOn == gui);
        }
    }

    void aSpreadRunsEveryIndexOnceAndReturnsWhenAllHaveRun() {
        const WorkOwner work(ThreadedWork::make());
        std::mutex seen;
        std::multiset<std::size_t> indices;
        std::set<std::thread::id> threads;
        std::thread caller([&] {
            spreadOver(*work, WorkLane::Background, 500, [&](std::size_t index) {
                std::lock_guard lock(seen);
                indices.insert(index);
                threads.insert(std::this_thread::get_id());
            });
        });
        caller.join();
        QCOMPARE(indices.size(), std::size_t(500));
        QCOMPARE(std::set<std::size_t>(indices.begin(), indices.end()).size(), std::size_t(500));
        QVERIFY(!threads.contains(caller.get_id()));
        // A stopped service runs nothing more, and a spread on it returns at once.
        work->stop();
        std::atomic<int> ran = 0;
        spreadOver(*work, WorkLane::Background, 10, [&](std::size_t) { ++ran; });
        QCOMPARE(ran.load(), 0);
    }
};

QTEST_GUILESS_MAIN(WorkServiceTest)
#include "WorkServiceTest.moc"

#include "imaging/DecodeExecutor.h"

#include <QObject>
#include <QThread>
#include <QThreadPool>

namespace {

class ThreadPoolExecutor : public DecodeExecutor {
public:
    ThreadPoolExecutor() { pool.setMaxThreadCount(workers()); }

    ~ThreadPoolExecutor() override {
        pool.clear();
        pool.waitForDone();
        // receiver goes next, and with it the deliveries still queued for it.
    }

    void execute(Work work, Done done) override {
        QObject* target = &receiver;
        pool.start([target, work = std::move(work), done = std::move(done)]() mutable {
            DecodedFile result = work();
            QMetaObject::invokeMethod(
                target,
                [done = std::move(done), result = std::move(result)]() mutable {
                    done(std::move(result));
                },
                Qt::QueuedConnection);
        });
    }

    int workers() const override { return std::max(1, QThread::idealThreadCount()); }

private:
    QObject receiver; // lives on the thread that made the executor
    QThreadPool pool;
};

} // namespace

std::unique_ptr<DecodeExecutor> makeThreadPoolExecutor() {
    return std::make_unique<ThreadPoolExecutor>();
}

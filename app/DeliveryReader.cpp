#include "app/DeliveryReader.h"

#include <QObject>
#include <QThreadPool>

namespace {

class ThreadExecutor : public DeliveryReader::Executor {
public:
    // A read stuck on a disc that stopped answering keeps its thread; others still start.
    ThreadExecutor() { pool.setMaxThreadCount(16); }

    ~ThreadExecutor() override {
        pool.waitForDone();
        // receiver goes next, and with it the results still queued for it.
    }

    void execute(DeliveryReader::Work work, DeliveryReader::Done done) override {
        QObject* target = &receiver;
        pool.start([target, work = std::move(work), done = std::move(done)]() mutable {
            OpenedDelivery result = work();
            QMetaObject::invokeMethod(
                target,
                [done = std::move(done), result = std::move(result)]() mutable {
                    done(std::move(result));
                },
                Qt::QueuedConnection);
        });
    }

private:
    QObject receiver; // lives on the thread that made the executor
    QThreadPool pool;
};

} // namespace

DeliveryReader::DeliveryReader(std::unique_ptr<Executor> executor)
    : executor(std::move(executor)) {}

void DeliveryReader::start(Work work, Done done) {
    const std::uint64_t read = ++wanted;
    underway = true;
    executor->execute(std::move(work), [this, read, done = std::move(done)](OpenedDelivery result) {
        if (read != wanted)
            return; // replaced or cancelled
        underway = false;
        done(std::move(result));
    });
}

void DeliveryReader::cancel() {
    ++wanted;
    underway = false;
}

std::unique_ptr<DeliveryReader::Executor> DeliveryReader::makeThreadExecutor() {
    return std::make_unique<ThreadExecutor>();
}

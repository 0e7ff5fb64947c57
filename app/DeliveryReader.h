#pragma once

#include <functional>

#include "document/DeliveryRead.h"
#include "work/LatestWork.h"

// Reads deliveries off the GUI thread, one wanted at a time: a new read replaces the one
// under way, whose result is then dropped, and a cancelled read delivers nothing. The file
// itself cannot be interrupted on a slow disc, but nobody waits for it.
class DeliveryReader {
public:
    using Work = std::function<OpenedDelivery()>;
    using Done = std::function<void(OpenedDelivery)>;

    explicit DeliveryReader(WorkService& service) : latest(service, WorkLane::Single) {}

    // done hears of work's result on this thread, unless another read starts or cancel comes
    // first.
    void start(Work work, Done done) { latest.run(std::move(work), std::move(done)); }
    void cancel() { latest.cancel(); }
    bool reading() const { return latest.pending(); }

private:
    LatestWork latest;
};

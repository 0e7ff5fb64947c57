#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "document/DeliveryRead.h"

// Reads deliveries off the GUI thread, one wanted at a time: a new read replaces the one
// under way, whose result is then dropped, and a cancelled read delivers nothing. The file
// itself cannot be interrupted on a slow disc, but nobody waits for it.
class DeliveryReader {
public:
    using Work = std::function<OpenedDelivery()>;
    using Done = std::function<void(OpenedDelivery)>;

    // Where the reads run.
    class Executor {
    public:
        virtual ~Executor() = default;
        // Runs work elsewhere, then done with its result on the calling thread's event loop.
        virtual void execute(Work work, Done done) = 0;
    };

    explicit DeliveryReader(std::unique_ptr<Executor> executor = makeThreadExecutor());

    // done hears of work's result on this thread, unless another read starts or cancel comes
    // first.
    void start(Work work, Done done);
    void cancel();
    bool reading() const { return underway; }

    // A thread of its own for each read; its destruction waits for reads still running.
    static std::unique_ptr<Executor> makeThreadExecutor();

private:
    std::unique_ptr<Executor> executor;
    std::uint64_t wanted = 0; // the read whose result is still wanted
    bool underway = false;
};

#pragma once

#include <functional>
#include <memory>

#include "imaging/DecodedFile.h"

// Where decoding runs. The loader hands over one job at a time per free worker and hears of
// its result on the thread that handed it over.
class DecodeExecutor {
public:
    using Work = std::function<DecodedFile()>;
    using Done = std::function<void(DecodedFile)>;

    virtual ~DecodeExecutor() = default;
    // Runs work elsewhere, then done with its result from the calling thread's event loop,
    // never before execute has returned.
    virtual void execute(Work work, Done done) = 0;
    // How many jobs may run at once.
    virtual int workers() const = 0;
};

// Decodes on a pool of threads, one per core; its destruction waits for running jobs and
// drops results not yet delivered.
std::unique_ptr<DecodeExecutor> makeThreadPoolExecutor();

#pragma once

#include <functional>
#include <memory>

#include "imaging/DecodedFile.h"

class WorkService;

// Where the loader's decodes run: it hands over one job at a time per free worker and hears
// of its result on the thread that handed it over. Tests decide themselves when decodes run.
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

// Decodes in the service's interactive lane; results still on their way when the executor
// goes are dropped.
std::unique_ptr<DecodeExecutor> decodesIn(WorkService& service);

#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "imaging/DecodeExecutor.h"

// Runs the pipeline's decodes only when the test says so, on the test's thread, in the order
// they were handed over, so that what arrives when is decided by the test.
class ManualExecutor : public DecodeExecutor {
public:
    void execute(Work work, Done done) override {
        waiting.emplace_back(std::move(work), std::move(done));
    }
    int workers() const override { return 2; }

    // Runs the oldest decode handed over; false when none waits.
    bool runNext();
    // Runs decodes until none waits, also those that finished decodes start.
    void runAll();
    std::size_t waitingDecodes() const { return waiting.size(); }

    // The files decoded so far, in order.
    std::vector<std::string> decodedFiles;

private:
    std::deque<std::pair<Work, Done>> waiting;
};

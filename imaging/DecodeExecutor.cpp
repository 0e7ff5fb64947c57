#include "imaging/DecodeExecutor.h"

#include <algorithm>
#include <vector>

#include "work/WorkService.h"

namespace {

class InteractiveLane : public DecodeExecutor {
public:
    explicit InteractiveLane(WorkService& service) : service(service) {}

    ~InteractiveLane() override {
        for (const WorkHandle& decode : underway)
            decode.cancel();
    }

    void execute(Work work, Done done) override {
        std::erase_if(underway, [](const WorkHandle& decode) { return !decode.pending(); });
        underway.push_back(runForResult<DecodedFile>(service, WorkLane::Interactive,
                                                     std::move(work), std::move(done)));
    }

    int workers() const override { return service.workers(WorkLane::Interactive); }

private:
    WorkService& service;
    std::vector<WorkHandle> underway; // their results reach the loader only while it lives
};

} // namespace

std::unique_ptr<DecodeExecutor> decodesIn(WorkService& service) {
    return std::make_unique<InteractiveLane>(service);
}

#pragma once

#include <atomic>
#include <memory>

// One job handed to the work service, shared by the service and whoever handed it over.
class WorkHandle {
public:
    WorkHandle() = default;
    static WorkHandle make() { return WorkHandle(std::make_shared<State>()); }

    // A job not yet started never starts; one under way runs on, but its result is dropped.
    void cancel() const {
        if (state)
            state->cancelled = true;
    }
    bool cancelled() const { return state && state->cancelled; }
    // Started or waiting, not cancelled, its result not yet handed back.
    bool pending() const { return state && !state->cancelled && !state->finished; }
    void markFinished() const { state->finished = true; }

private:
    struct State {
        std::atomic<bool> cancelled = false;
        std::atomic<bool> finished = false;
    };
    explicit WorkHandle(std::shared_ptr<State> state) : state(std::move(state)) {}

    std::shared_ptr<State> state;
};

#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>

// The memory that all decodes in flight may take together. A decode asks for what it will
// allocate and waits until that much is free; one that needs more than the whole budget waits
// until it can run alone. Without it, one large decode per worker could take gigabytes.
class DecodeBudget {
public:
    // What a decode holds while it runs; gives it back when it goes.
    class Grant {
    public:
        Grant() = default;
        Grant(DecodeBudget& budget, std::size_t bytes) : budget(&budget), bytes(bytes) {}
        Grant(Grant&& other) noexcept;
        Grant& operator=(Grant&& other) noexcept;
        Grant(const Grant&) = delete;
        Grant& operator=(const Grant&) = delete;
        ~Grant() { release(); }

        explicit operator bool() const { return budget != nullptr; }
        void release();

    private:
        DecodeBudget* budget = nullptr;
        std::size_t bytes = 0;
    };

    explicit DecodeBudget(std::size_t capacity) : capacity(capacity) {}

    // Waits until bytes are free, then takes them.
    Grant acquire(std::size_t bytes);
    // Takes bytes when they are free now; an empty grant otherwise.
    Grant tryAcquire(std::size_t bytes);

    // The budget every decode of the program shares.
    static DecodeBudget& shared();

private:
    std::size_t charged(std::size_t bytes) const { return bytes < capacity ? bytes : capacity; }
    void giveBack(std::size_t bytes);

    const std::size_t capacity;
    std::mutex mutex;
    std::condition_variable freed;
    std::size_t used = 0;
};

#include "imaging/DecodeBudget.h"

#include <utility>

namespace {

// Two full-size decodes of a 4000 × 3000 photo (printing) fit; a scanned A0 drawing runs alone.
constexpr std::size_t sharedCapacity = std::size_t(256) * 1024 * 1024;

} // namespace

DecodeBudget::Grant::Grant(Grant&& other) noexcept
    : budget(std::exchange(other.budget, nullptr)), bytes(other.bytes) {}

DecodeBudget::Grant& DecodeBudget::Grant::operator=(Grant&& other) noexcept {
    if (this != &other) {
        release();
        budget = std::exchange(other.budget, nullptr);
        bytes = other.bytes;
    }
    return *this;
}

void DecodeBudget::Grant::release() {
    if (budget)
        std::exchange(budget, nullptr)->giveBack(bytes);
}

DecodeBudget::Grant DecodeBudget::acquire(std::size_t bytes) {
    const std::size_t needed = charged(bytes);
    std::unique_lock lock(mutex);
    freed.wait(lock, [&] { return used + needed <= capacity; });
    used += needed;
    return {*this, needed};
}

DecodeBudget::Grant DecodeBudget::tryAcquire(std::size_t bytes) {
    const std::size_t needed = charged(bytes);
    std::lock_guard lock(mutex);
    if (used + needed > capacity)
        return {};
    used += needed;
    return {*this, needed};
}

void DecodeBudget::giveBack(std::size_t bytes) {
    {
        std::lock_guard lock(mutex);
        used -= bytes;
    }
    freed.notify_all();
}

DecodeBudget& DecodeBudget::shared() {
    static DecodeBudget budget(sharedCapacity);
    return budget;
}

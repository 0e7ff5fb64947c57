#include "imaging/DecodeBudget.h"

#include <thread>

#include <gtest/gtest.h>

TEST(DecodeBudget, DecodesShareTheBudgetAndALargeOneRunsAlone) {
    DecodeBudget budget(100);
    DecodeBudget::Grant first = budget.tryAcquire(60);
    ASSERT_TRUE(first);
    EXPECT_FALSE(budget.tryAcquire(60));
    EXPECT_TRUE(budget.tryAcquire(40)); // and given back at once
    first.release();
    DecodeBudget::Grant huge = budget.tryAcquire(500); // more than all: alone, not never
    ASSERT_TRUE(huge);
    EXPECT_FALSE(budget.tryAcquire(1));
}

TEST(DecodeBudget, AWaitingDecodeStartsWhenMemoryIsGivenBack) {
    DecodeBudget budget(100);
    DecodeBudget::Grant first = budget.acquire(80);
    bool started = false;
    std::thread second([&] {
        const DecodeBudget::Grant grant = budget.acquire(80);
        started = true;
    });
    first.release(); // a lost wake-up would leave the second waiting for ever
    second.join();
    EXPECT_TRUE(started);
    EXPECT_TRUE(budget.tryAcquire(100));
}

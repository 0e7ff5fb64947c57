#include "imaging/DecodeBudget.h"

#include <thread>

#include <gtest/gtest.h>

TEST(DecodeBudget, DecodesShareTheBudgetALargeOneRunsAloneAndAWaiterStartsWhenFreed) {
    DecodeBudget budget(100);
    DecodeBudget::Grant first = budget.acquire(60);
    EXPECT_FALSE(budget.tryAcquire(60));
    EXPECT_TRUE(budget.tryAcquire(40));                                // and given back at once
    std::thread huge([&] { const auto alone = budget.acquire(500); }); // more than all
    first.release(); // a lost wake-up would leave it waiting for ever
    huge.join();
    EXPECT_TRUE(budget.tryAcquire(100));
}

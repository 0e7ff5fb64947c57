#include "imaging/FitRules.h"

#include <gtest/gtest.h>

TEST(FitCentered, LimitedByWidthOrByHeight) {
    const BoxRect box{10, 10, 190, 190};
    EXPECT_EQ(fitCentered(400, 300, box), (BoxRect{10, 32, 190, 167}));
    EXPECT_EQ(fitCentered(300, 600, box), (BoxRect{55, 10, 145, 190}));
    // A tie takes the width branch and fills the box.
    EXPECT_EQ(fitCentered(180, 180, box), (BoxRect{10, 10, 190, 190}));
}

TEST(FitWithMargin, KeepsFourPixelsOnTheLimitingAxis) {
    EXPECT_EQ(fitWithMargin(640, 480, 200, 150), (BoxRect{4, 4, 196, 150}));
    EXPECT_EQ(fitWithMargin(640, 480, 200, 100), (BoxRect{37, 4, 166, 96}));
    EXPECT_EQ(fitWithMargin(200, 100, 100, 50), (BoxRect{4, 4, 96, 50}));
}

TEST(ContainsPoint, LeftAndTopInsideRightAndBottomOutside) {
    const BoxRect rect{10, 20, 30, 40};
    EXPECT_TRUE(containsPoint(rect, 10, 20));
    EXPECT_TRUE(containsPoint(rect, 29, 39));
    EXPECT_FALSE(containsPoint(rect, 30, 25));
    EXPECT_FALSE(containsPoint(rect, 15, 40));
    EXPECT_FALSE(containsPoint(rect, 9, 25));
}

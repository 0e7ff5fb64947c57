#include "app/SlideShow.h"

#include <algorithm>
#include <climits>

int slideShowIntervalMilliseconds(int seconds) {
    constexpr int longestSeconds = INT_MAX / 1000;
    return std::clamp(seconds, 1, longestSeconds) * 1000;
}

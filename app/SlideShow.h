#pragma once

// The slideshow's timer interval for an interval setting in seconds. A hand-edited settings
// file may hold anything: below 1 second the show runs at 1 second, and a very large value
// is capped where the timer's millisecond count would overflow.
int slideShowIntervalMilliseconds(int seconds);

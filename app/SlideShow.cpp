#include "app/SlideShow.h"

#include <algorithm>
#include <climits>

int slideShowIntervalMilliseconds(int seconds) {
    constexpr int longestSeconds = INT_MAX / 1000;
    return std::clamp(seconds, 1, longestSeconds) * 1000;
}

SlideShow::SlideShow(CQuillonDoc& document, const AppSettings& settings, QObject* parent)
    : QObject(parent), document(document), settings(settings) {
    connect(&timer, &QTimer::timeout, this, &SlideShow::tick);
}

void SlideShow::start() {
    timer.start(slideShowIntervalMilliseconds(settings.photoSlideInterval));
    runningChanged(true);
}

void SlideShow::stop() {
    if (!timer.isActive())
        return;
    timer.stop();
    runningChanged(false);
}

void SlideShow::tick() {
    if (!document.nextPhoto(nullptr))
        stop();
}

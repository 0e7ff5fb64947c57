#pragma once

#include <functional>

#include <QObject>
#include <QTimer>

#include "document/CQuillonDoc.h"
#include "settings/AppSettings.h"

// The slideshow's timer interval for an interval setting in seconds. A hand-edited settings
// file may hold anything: below 1 second the show runs at 1 second, and a very large value
// is capped where the timer's millisecond count would overflow.
int slideShowIntervalMilliseconds(int seconds);

// Steps the document to the next photo every interval, and stops where there is nothing to
// step to. The interval is read when the show starts: a change in the options applies to the
// next show.
class SlideShow : public QObject {
public:
    SlideShow(CQuillonDoc& document, const AppSettings& settings, QObject* parent = nullptr);

    void start();
    void stop();
    // One step; the last photo is shown for a whole interval before the show stops.
    void tick();
    bool running() const { return timer.isActive(); }
    int interval() const { return timer.interval(); }
    // Told whenever the show starts or stops.
    std::function<void(bool running)> runningChanged = [](bool) {};

private:
    CQuillonDoc& document;
    const AppSettings& settings;
    QTimer timer;
};

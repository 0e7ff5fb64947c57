#pragma once

#include <chrono>
#include <thread>

#include <QCoreApplication>

#include "imaging/ImageLoader.h"

// Runs the event loop until every decode images started or queued, read-ahead included, has
// arrived.
inline void settleDecodes(const ImageLoader& images) {
    do {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        QCoreApplication::processEvents();
    } while (images.decodesUnderway() > 0);
}

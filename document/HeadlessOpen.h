#pragma once

#include <string>

#include "document/DeliveryRead.h"

// What a command-line tool opened: the delivery read whole, or why it could not be.
struct HeadlessOpen {
    DeliveryRead read; // read.delivery.path: the photo XML file that was read
    // When nothing could be read: the path it concerns and why, in the user's words.
    std::string failedPath;
    std::string failure;

    bool opened() const { return failure.empty(); }
};

// Opens the delivery at path as the command-line tools do, with the program's own reader and
// the discs mounted now: a photo XML file, a delivery folder or a disc's root (INDEX_C.XML
// opens the delivery beside it).
HeadlessOpen openDeliveryHeadless(const std::string& path);

#pragma once

#include <functional>
#include <string>

#include "media/Delivery.h"
#include "media/DiscSearch.h"
#include "model/PhotoDataSet.h"

// Reads a photo XML file as PhotoXmlReader::load does: 0 when it was parsed.
using PhotoXmlLoader = std::function<int(const std::string& path, PhotoDataSet& data)>;

// What reading a delivery found: the delivery, or why there is none.
struct DeliveryRead {
    enum class Outcome {
        Read,        // delivery.data holds the file (maybe cut short: see data.readError)
        CannotOpen,  // the file could not be opened: error says why
        LoadFailed,  // no parser, or the reader gave up
        NotPhotoXml, // well-formed XML of another kind
    };

    Outcome outcome = Outcome::Read;
    int error = 0;
    Delivery delivery; // its path is the file that was read, whatever the outcome
};

// Whether path is a file that can be read; when not, error is the system's reason.
bool isReadableFile(const std::string& path, int& error);

// Reads the delivery of the photo XML file at path, and the INDEX_C.XML of its disc once.
// Safe to run on any thread; it changes nothing but what it returns.
DeliveryRead readDelivery(const std::string& path, const PhotoXmlLoader& load,
                          MountPoints mountPoints);

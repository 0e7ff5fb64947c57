#pragma once

#include <functional>
#include <memory>
#include <string>

#include "media/DiscSearch.h"
#include "model/PhotoDataSet.h"

// Reads a photo XML file as PhotoXmlReader::load does: 0 when it was parsed.
using PhotoXmlLoader = std::function<int(const std::string& path, PhotoDataSet& data)>;

// What reading a delivery found, made in one piece off the GUI thread, so that the document
// changes only when it takes the whole of it.
struct OpenedDelivery {
    enum class Outcome {
        Read,        // data holds the file (maybe cut short: see data.readError)
        CannotOpen,  // the file could not be opened: error says why
        LoadFailed,  // no parser, or the reader gave up
        NotPhotoXml, // well-formed XML of another kind
    };

    std::string path;
    Outcome outcome = Outcome::Read;
    int error = 0;
    // With the construction information of the disc's INDEX_C.XML when the file has none.
    PhotoDataSet data;
    // The other discs of the delivery; null when no INDEX_C.XML stands beside it.
    std::shared_ptr<const DiscSearch> otherDiscs;
    // This disc's メディア番号 in its INDEX_C.XML; empty without one.
    std::string mediumNumber;
    // For the status bar, until the next open: where reading stopped in a damaged file, or
    // that the file holds no photo, so that neither is taken for a complete delivery.
    std::string notice;
};

// Whether path is a file that can be read; when not, error is the system's reason.
bool isReadableFile(const std::string& path, int& error);

// Reads the delivery of the photo XML file at path, and the INDEX_C.XML of its disc once.
// Safe to run on any thread; it changes nothing but what it returns.
OpenedDelivery readDelivery(const std::string& path, const PhotoXmlLoader& load,
                            MountPoints mountPoints);

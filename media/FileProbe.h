#pragma once

#include <optional>
#include <string>

#include "media/MediaLookup.h"

// What the content of a file is, recognised by its first bytes.
enum class FileFormat { Unknown, Jpeg, Tiff, Svg, Other };

// What the check needs to know of one photo or drawing file. Only what a rule asks for is
// read: the header and metadata, and a decode at the smallest scale the format allows.
struct FileFacts {
    bool exists = false;
    std::string foundAt; // where it was found, when it exists
    FileFormat format = FileFormat::Unknown;
    int width = 0; // upright pixels; 0 when unknown
    int height = 0;
    bool decodable = false;
    bool truncated = false; // a JPEG without its end-of-image marker
    // The day of EXIF DateTimeOriginal, written CCYY-MM-DD; nothing without one.
    std::optional<std::string> exifDate;
    bool leavesDelivery = false; // a link to a file outside the delivery: nothing more is read
};

// Looks at files for the check; never writes. Called from several threads at once.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    // file as the delivery's folders and a record's name make it, found as locate finds it.
    virtual FileFacts probe(const MediaFile& file) const = 0;
};

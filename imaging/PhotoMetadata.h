#pragma once

#include <optional>
#include <string>
#include <vector>

// One line of what a file's metadata says: a Japanese label and the value as written.
struct MetadataItem {
    std::string label;
    std::string value;
};

// What a JPEG's metadata says of the photo, for the photo's information.
struct PhotoMetadata {
    // Camera make and model, DateTimeOriginal, orientation and exposure, where present.
    std::vector<MetadataItem> exif;
    // The day of DateTimeOriginal, CCYY-MM-DD.
    std::optional<std::string> shotDay;
    // The electronic blackboard's items (its XMP data of construction photo information), in
    // the file's order; empty when the photo carries none.
    std::vector<MetadataItem> blackboard;
    // The blackboard carries its tamper-check value (which only a certified tool can verify).
    bool tamperCheckValue = false;
};

namespace Exiv2 {
class Image;
class XmpData;
} // namespace Exiv2

// What the EXIF and XMP Exiv2 has read of a JPEG say; nothing for no metadata (beyond the limit
// or unreadable).
PhotoMetadata photoMetadataOf(const Exiv2::Image* image);
// Only the electronic blackboard's items of xmp, into metadata, as photoMetadataOf reads them.
void addBlackboardItems(const Exiv2::XmpData& xmp, PhotoMetadata& metadata);
// Reads the EXIF and XMP of the JPEG at path; nothing for another format, or when the
// metadata is beyond the limit or cannot be read.
PhotoMetadata readPhotoMetadata(const std::string& path);

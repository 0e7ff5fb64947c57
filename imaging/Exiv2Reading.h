#pragma once

#include <memory>
#include <optional>
#include <string>

class QByteArray;

namespace Exiv2 {
class ExifData;
class Image;
} // namespace Exiv2

// Sets Exiv2 up, once in the process; before threads use it.
void prepareExiv2();

// The metadata of the JPEG at path as Exiv2 reads it; null when the file cannot be read, its
// metadata cannot be parsed, or it carries more than the decoder's limit (a hostile file is
// refused before Exiv2 sees it).
std::unique_ptr<Exiv2::Image> readJpegMetadata(const std::string& path);
// The same of a JPEG's bytes in memory.
std::unique_ptr<Exiv2::Image> jpegMetadataOf(const QByteArray& bytes);

// The day of an EXIF date "CCYY:MM:DD HH:MM:SS", written CCYY-MM-DD.
std::optional<std::string> exifDay(const std::string& exifDate);

// The value of the EXIF tag key ("Exif.Image.Make") as written; empty without one.
std::string exifText(const Exiv2::ExifData& exif, const char* key);

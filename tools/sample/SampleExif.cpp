#include "tools/sample/SampleExif.h"

#include <algorithm>
#include <exception>

#include <exiv2/exiv2.hpp>

bool writeExifShotDate(const std::string& path, const std::string& isoDate) {
    std::string exifDate = isoDate + " 10:00:00";
    std::replace(exifDate.begin(), exifDate.begin() + 10, '-', ':');
    try {
        auto image = Exiv2::ImageFactory::open(path);
        image->readMetadata();
        image->exifData()["Exif.Photo.DateTimeOriginal"] = exifDate;
        image->writeMetadata();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

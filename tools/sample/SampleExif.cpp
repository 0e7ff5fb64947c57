#include "tools/sample/SampleExif.h"

#include <algorithm>
#include <exception>

#include <exiv2/exiv2.hpp>

namespace {

constexpr const char* photoInfoNamespace = "http://dcpadv.org/schema/3.0/photoinfo";
constexpr const char* measurementNamespace = "http://dcpadv.org/schema/3.0/measurement";
constexpr const char* itemNamespace = "http://dcpadv.org/schema/3.0/measurementitem";

std::string exifDateOf(const std::string& isoDate) {
    std::string exifDate = isoDate + " 10:00:00";
    std::replace(exifDate.begin(), exifDate.begin() + 10, '-', ':');
    return exifDate;
}

void addXmpContainer(Exiv2::XmpData& xmp, const std::string& key, bool sequence) {
    Exiv2::XmpTextValue container;
    if (sequence)
        container.setXmpArrayType(Exiv2::XmpValue::xaSeq);
    else
        container.setXmpStruct();
    xmp.add(Exiv2::XmpKey(key), &container);
}

void addBlackboard(Exiv2::XmpData& xmp, const SampleBlackboard& board) {
    Exiv2::XmpProperties::registerNs(photoInfoNamespace, "photo");
    Exiv2::XmpProperties::registerNs(measurementNamespace, "measurement");
    Exiv2::XmpProperties::registerNs(itemNamespace, "item");
    xmp["Xmp.photo.ConstructionName"] = board.constructionName;
    xmp["Xmp.photo.ConstructionType"] = board.workType;
    xmp["Xmp.photo.ShootingSpot"] = board.station;
    addXmpContainer(xmp, "Xmp.photo.Measurements", false);
    xmp["Xmp.photo.Measurements/measurement:Classification"] = "出来形";
    const std::string items = "Xmp.photo.Measurements/measurement:MeasurementItems";
    addXmpContainer(xmp, items, true);
    addXmpContainer(xmp, items + "[1]", false);
    xmp[items + "[1]/item:Name"] = "掘削深さ";
    xmp[items + "[1]/item:DesignedValue"] = board.designedValue;
    xmp[items + "[1]/item:MeasuredValue"] = board.measuredValue;
    xmp[items + "[1]/item:UnitName"] = "mm";
}

template <typename Change> bool changeMetadata(const std::string& path, Change change) {
    try {
        auto image = Exiv2::ImageFactory::open(path);
        image->readMetadata();
        change(*image);
        image->writeMetadata();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool writeExifShotDate(const std::string& path, const std::string& isoDate) {
    return changeMetadata(path, [&](Exiv2::Image& image) {
        image.exifData()["Exif.Photo.DateTimeOriginal"] = exifDateOf(isoDate);
    });
}

SampleBlackboard sampleBlackboard(int serialNumber) {
    return {"サンプル道路改良工事", "掘削工", "No." + std::to_string(serialNumber) + "+5.0",
            std::to_string(1500 + serialNumber), std::to_string(1502 + serialNumber)};
}

bool writeCameraMetadata(const std::string& path, const std::string& isoDate,
                         const SampleBlackboard& board, const std::string& thumbnail) {
    return changeMetadata(path, [&](Exiv2::Image& image) {
        if (!thumbnail.empty()) {
            Exiv2::ExifThumb(image.exifData())
                .setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(thumbnail.data()),
                                  long(thumbnail.size()));
        }
        Exiv2::ExifData& exif = image.exifData();
        exif["Exif.Image.Make"] = "TESSEL";
        exif["Exif.Image.Model"] = "Sample Camera";
        exif["Exif.Photo.DateTimeOriginal"] = exifDateOf(isoDate);
        exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
        exif["Exif.Photo.FNumber"] = Exiv2::URational(56, 10);
        exif["Exif.Photo.ISOSpeedRatings"] = uint16_t(100);
        addBlackboard(image.xmpData(), board);
    });
}

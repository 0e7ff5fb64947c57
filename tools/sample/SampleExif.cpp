#include "tools/sample/SampleExif.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include <exiv2/exiv2.hpp>

namespace {

constexpr const char* photoInfoNamespace = "http://dcpadv.org/schema/3.0/photoinfo";
constexpr const char* measurementNamespace = "http://dcpadv.org/schema/3.0/measurement";
constexpr const char* itemNamespace = "http://dcpadv.org/schema/3.0/measurementitem";

std::string exifDateOf(const std::string& isoDate, int secondOfDay = 10 * 3600) {
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", secondOfDay / 3600 % 24,
                  secondOfDay / 60 % 60, secondOfDay % 60);
    std::string exifDate = isoDate + time;
    std::replace(exifDate.begin(), exifDate.begin() + 10, '-', ':');
    return exifDate;
}

void setPixelSize(Exiv2::Image& image, long width, long height) {
    image.exifData()["Exif.Photo.PixelXDimension"] = uint32_t(width);
    image.exifData()["Exif.Photo.PixelYDimension"] = uint32_t(height);
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
    if (!board.workType.empty())
        xmp["Xmp.photo.ConstructionType"] = board.workType;
    if (!board.station.empty())
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
                         const SampleBlackboard& board, const std::string& thumbnail,
                         int secondOfDay) {
    return changeMetadata(path, [&](Exiv2::Image& image) {
        if (!thumbnail.empty()) {
            Exiv2::ExifThumb(image.exifData())
                .setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(thumbnail.data()),
                                  long(thumbnail.size()));
        }
        Exiv2::ExifData& exif = image.exifData();
        exif["Exif.Image.Make"] = "TESSEL";
        exif["Exif.Image.Model"] = "Sample Camera";
        exif["Exif.Image.Software"] = "Sample Camera Firmware 1.00";
        exif["Exif.Photo.DateTimeOriginal"] = exifDateOf(isoDate, secondOfDay);
        exif["Exif.Image.DateTime"] = exifDateOf(isoDate, secondOfDay);
        setPixelSize(image, image.pixelWidth(), image.pixelHeight());
        exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
        exif["Exif.Photo.FNumber"] = Exiv2::URational(56, 10);
        exif["Exif.Photo.ISOSpeedRatings"] = uint16_t(100);
        addBlackboard(image.xmpData(), board);
    });
}

bool writeEditorTrace(const std::string& path, EditorTrace trace) {
    return changeMetadata(path, [&](Exiv2::Image& image) {
        Exiv2::ExifData& exif = image.exifData();
        if (trace == EditorTrace::Software)
            exif["Exif.Image.Software"] = "Adobe Photoshop 25.0 (Windows)";
        else if (trace == EditorTrace::Size)
            setPixelSize(image, image.pixelWidth() * 2, image.pixelHeight() * 2);
        else
            exif["Exif.Image.DateTime"] =
                exif["Exif.Photo.DateTimeOriginal"].toString().substr(0, 10) + " 21:30:00";
    });
}

bool copyExif(const std::string& from, const std::string& to) {
    try {
        auto source = Exiv2::ImageFactory::open(from);
        source->readMetadata();
        return changeMetadata(to, [&](Exiv2::Image& image) {
            image.setExifData(source->exifData());
            setPixelSize(image, image.pixelWidth(), image.pixelHeight());
        });
    } catch (const std::exception&) {
        return false;
    }
}

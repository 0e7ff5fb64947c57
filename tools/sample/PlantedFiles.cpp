#include "tools/sample/PlantedFiles.h"

#include <filesystem>
#include <fstream>

#include <QImage>

#include "tools/sample/SampleExif.h"
#include "tools/sample/SampleImages.h"

namespace {

bool writeBytes(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out << bytes);
}

// The faults that make a file no sound image, whatever it should have shown.
bool writeBrokenFile(const QString& path, FilePlant plant) {
    switch (plant) {
    case FilePlant::NotWritten:
        return true;
    case FilePlant::NoImage:
        return writeBytes(path, "not an image\n");
    case FilePlant::Undecodable:
        return writeBytes(path, std::string("\xFF\xD8\xFF\xE0", 4) + std::string(4000, '\x5A'));
    default:
        return QImage(64, 48, QImage::Format_RGB32).save(path, "PNG"); // Png
    }
}

bool cutInHalf(const QString& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path.toStdString(), error);
    if (!error)
        std::filesystem::resize_file(path.toStdString(), size / 2, error);
    return !error;
}

bool isBroken(FilePlant plant) {
    return plant == FilePlant::NotWritten || plant == FilePlant::NoImage ||
           plant == FilePlant::Undecodable || plant == FilePlant::Png;
}

} // namespace

bool writePhotoFile(const QString& path, const SamplePhoto& photo, QSize size,
                    PhotoContent content) {
    if (isBroken(photo.file))
        return writeBrokenFile(path, photo.file);
    const QSize pixels = photo.file == FilePlant::FewPixels ? QSize(640, 480) : size;
    if (!writeSamplePhoto(path, photo.serialNumber, QString::fromStdString(photo.title), pixels,
                          content))
        return false;
    if (photo.file == FilePlant::NoExif)
        return true;
    const std::string day = photo.file == FilePlant::OtherExif ? "2020-01-01" : photo.shotDate;
    if (!writeCameraMetadata(path.toStdString(), day, sampleBlackboard(photo.serialNumber),
                             exifThumbnailOf(path).toStdString()))
        return false;
    return photo.file != FilePlant::Truncated || cutInHalf(path);
}

bool writeDrawingFile(const QString& path, const SampleDrawing& drawing) {
    if (isBroken(drawing.file))
        return writeBrokenFile(path, drawing.file);
    return writeSampleDrawing(path, QString::fromStdString(drawing.title));
}

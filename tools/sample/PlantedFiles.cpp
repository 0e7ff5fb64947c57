#include "tools/sample/PlantedFiles.h"

#include <filesystem>
#include <fstream>

#include <QDir>
#include <QFileInfo>
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

// What the blackboard of photo says: its record's 工種 and 撮影箇所, or another 工種.
SampleBlackboard blackboardOf(const SamplePhoto& photo) {
    SampleBlackboard board = sampleBlackboard(photo.serialNumber);
    board.workType = photo.levels.size() > 2 ? photo.levels[2] : "";
    if (photo.file == FilePlant::OtherBlackboard)
        board.workType = "舗装工";
    board.station = photo.shotLocation;
    return board;
}

// Photos are taken seven seconds apart from ten in the morning, as a series on site is.
int secondOfDayOf(const SamplePhoto& photo) {
    return 10 * 3600 + photo.serialNumber * 7 % (8 * 3600);
}

bool writeEditorTraces(const std::string& path, FilePlant plant) {
    switch (plant) {
    case FilePlant::EditorSoftware:
        return writeEditorTrace(path, EditorTrace::Software);
    case FilePlant::EditorResized:
        return writeEditorTrace(path, EditorTrace::Size);
    case FilePlant::EditorChanged:
        return writeEditorTrace(path, EditorTrace::ChangeTime);
    default:
        return true;
    }
}

// The photo at from, nine tenths the size and more compressed, with its EXIF.
bool writeResavedCopy(const QString& from, const QString& to) {
    const QImage picture(from);
    if (picture.isNull())
        return false;
    const QImage smaller =
        picture.scaled(picture.size() * 9 / 10, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return smaller.save(to, "JPEG", 70) && copyExif(from.toStdString(), to.toStdString());
}

} // namespace

bool writePhotoFile(const QString& path, const SamplePhoto& photo, QSize size,
                    PhotoContent content) {
    if (isBroken(photo.file))
        return writeBrokenFile(path, photo.file);
    if (!photo.resavedFrom.empty())
        return writeResavedCopy(
            QFileInfo(path).dir().filePath(QString::fromStdString(photo.resavedFrom)), path);
    const QSize pixels = photo.file == FilePlant::FewPixels ? QSize(640, 480) : size;
    if (!writeSamplePhoto(path, photo.serialNumber, QString::fromStdString(photo.title), pixels,
                          content))
        return false;
    if (photo.file == FilePlant::NoExif)
        return true;
    const std::string day = photo.file == FilePlant::OtherExif ? "2020-01-01" : photo.shotDate;
    if (!writeCameraMetadata(path.toStdString(), day, blackboardOf(photo),
                             exifThumbnailOf(path).toStdString(), secondOfDayOf(photo)) ||
        !writeEditorTraces(path.toStdString(), photo.file))
        return false;
    return photo.file != FilePlant::Truncated || cutInHalf(path);
}

bool writeDrawingFile(const QString& path, const SampleDrawing& drawing) {
    if (isBroken(drawing.file))
        return writeBrokenFile(path, drawing.file);
    return writeSampleDrawing(path, QString::fromStdString(drawing.title));
}

#include "imaging/MediaFileProbe.h"

#include <algorithm>

#include <QByteArray>
#include <QFile>

#include <exiv2/exiv2.hpp>

#include "imaging/Exiv2Reading.h"
#include "imaging/ImageDecoder.h"
#include "imaging/JpegMetadata.h"
#include "media/MediaLookup.h"

namespace {

FileFormat formatOf(const QByteArray& head) {
    if (head.startsWith("\xFF\xD8\xFF"))
        return FileFormat::Jpeg;
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
        return FileFormat::Tiff;
    const QByteArray text = head.trimmed();
    if ((text.startsWith("<?xml") || text.startsWith("<svg") || text.startsWith("<!DOCTYPE svg")) &&
        head.contains("<svg"))
        return FileFormat::Svg;
    return FileFormat::Other;
}

} // namespace

std::optional<std::string> exifShotDate(const std::string& path) {
    return exifShotDateIn(readJpegMetadata(path).get());
}

std::optional<std::string> exifShotDateIn(const Exiv2::Image* image) {
    if (!image)
        return std::nullopt;
    const Exiv2::ExifData& exif = image->exifData();
    const auto date = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
    return date == exif.end() ? std::nullopt : exifDay(date->toString());
}

MediaFileProbe::MediaFileProbe() {
    prepareExiv2();
}

FileFacts MediaFileProbe::probe(const std::string& path) const {
    FileFacts facts;
    const auto found = locateMediaFile(path);
    if (!found)
        return facts;
    facts.exists = true;
    facts.foundAt = *found;
    facts.leavesDelivery = leavesDeliveryFolder(*found);
    if (facts.leavesDelivery)
        return facts;
    QFile file(QString::fromStdString(*found));
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    facts.format = formatOf(file.read(256));
    if (facts.format == FileFormat::Other)
        return facts;
    // The smallest scale: a JPEG decoder reduces eightfold while it decodes.
    const auto decoded = decodeImage(file.fileName(), QSize(1, 1));
    facts.decodable = decoded.has_value();
    if (decoded) {
        facts.width = decoded->uprightSize.width();
        facts.height = decoded->uprightSize.height();
    }
    if (facts.format == FileFormat::Jpeg) {
        facts.truncated = isCutShortJpeg(file);
        facts.exifDate = exifShotDate(*found);
    }
    return facts;
}

#include "imaging/MediaFileProbe.h"

#include <algorithm>

#include <QBuffer>
#include <QByteArray>
#include <QFile>

#include <exiv2/exiv2.hpp>

#include "imaging/Exiv2Reading.h"
#include "imaging/ImageDecoder.h"
#include "imaging/JpegMetadata.h"
#include "imaging/OpticalDiscLock.h"
#include "imaging/PhotoMetadata.h"
#include "imaging/PictureFingerprint.h"
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

// The file in one read, while its disc reads nothing else: the format, the decode, the end
// marker and the metadata all come from these bytes.
QByteArray readWhole(const std::string& path) {
    const auto disc = holdOpticalDisc(path);
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int exifNumber(const Exiv2::ExifData& exif, const char* key) {
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() || found->count() == 0 ? 0 : int(found->toLong());
}

// Orientations 5 to 8 turn the stored picture a quarter.
bool sidewaysOrientation(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

MakingFacts makingFactsOf(const Exiv2::ExifData& exif) {
    return {exifText(exif, "Exif.Image.Software"),
            exifText(exif, "Exif.Image.DateTime"),
            exifText(exif, "Exif.Photo.DateTimeOriginal"),
            exifNumber(exif, "Exif.Photo.PixelXDimension"),
            exifNumber(exif, "Exif.Photo.PixelYDimension"),
            sidewaysOrientation(exifNumber(exif, "Exif.Image.Orientation"))};
}

} // namespace

void addMetadataFacts(const Exiv2::Image* image, FileFacts& facts) {
    if (!image)
        return;
    facts.making = makingFactsOf(image->exifData());
    facts.exifDate = exifDay(facts.making.taken);
    // Only the blackboard: the labelled EXIF lines are 写真の情報's, not the check's.
    PhotoMetadata metadata;
    addBlackboardItems(image->xmpData(), metadata);
    for (MetadataItem& item : metadata.blackboard)
        facts.blackboard.emplace_back(std::move(item.label), std::move(item.value));
    facts.blackboardTamperValue = metadata.tamperCheckValue;
}

MediaFileProbe::MediaFileProbe() {
    prepareExiv2();
}

FileFacts MediaFileProbe::probe(const MediaFile& asked) const {
    FileFacts facts;
    const auto found = locate(asked);
    if (!found)
        return facts;
    facts.exists = true;
    facts.foundAt = *found;
    facts.leavesDelivery = leavesDeliveryFolder(*found);
    if (facts.leavesDelivery)
        return facts;
    QByteArray bytes = readWhole(*found);
    facts.format = formatOf(bytes.left(256));
    if (facts.format == FileFormat::Other)
        return facts;
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    // The smallest scale: a JPEG decoder reduces eightfold while it decodes.
    const auto decoded = decodeImage(file, QSize(fingerprintBox, fingerprintBox));
    facts.decodable = decoded.has_value();
    if (decoded) {
        facts.width = decoded->uprightSize.width();
        facts.height = decoded->uprightSize.height();
    }
    facts.fingerprint = pictureFingerprint(bytes, decoded ? decoded->image : QImage());
    if (facts.format == FileFormat::Jpeg) {
        facts.truncated = isCutShortJpeg(file);
        addMetadataFacts(jpegMetadataOf(bytes).get(), facts);
    }
    return facts;
}

#include "imaging/MediaFileProbe.h"

#include <algorithm>
#include <mutex>

#include <QByteArray>
#include <QFile>

#include <exiv2/exiv2.hpp>

#include "imaging/ImageDecoder.h"
#include "imaging/JpegMetadata.h"
#include "media/MediaLookup.h"

namespace {

// As the decoder: a JPEG carrying more metadata than this is refused before Exiv2 reads it.
constexpr std::size_t metadataLimit = 4 * 1024 * 1024;
// An end-of-image marker followed by a little padding still ends the file.
constexpr qint64 tailToSearch = 1024;

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

bool endsWithEndOfImage(QFile& file) {
    const qint64 start = std::max<qint64>(0, file.size() - tailToSearch);
    if (!file.seek(start))
        return false;
    return file.read(tailToSearch).contains("\xFF\xD9");
}

// The day of an EXIF date "CCYY:MM:DD HH:MM:SS".
std::optional<std::string> dayOf(const std::string& exifDate) {
    if (exifDate.size() < 10 || exifDate[4] != ':' || exifDate[7] != ':')
        return std::nullopt;
    return exifDate.substr(0, 4) + '-' + exifDate.substr(5, 2) + '-' + exifDate.substr(8, 2);
}

void initialiseExiv2() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Its XMP parser must be set up once before threads use it; its warnings on damaged
        // files are the check's to report, not standard error's.
        Exiv2::XmpParser::initialize();
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    });
}

} // namespace

std::optional<std::string> exifShotDate(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly) || jpegMetadataBytes(file, metadataLimit) > metadataLimit)
        return std::nullopt;
    initialiseExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(path);
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        const auto date = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
        return date == exif.end() ? std::nullopt : dayOf(date->toString());
    } catch (const std::exception&) {
        return std::nullopt; // metadata that cannot be read says no date
    }
}

MediaFileProbe::MediaFileProbe() {
    initialiseExiv2();
}

FileFacts MediaFileProbe::probe(const std::string& path) const {
    FileFacts facts;
    const auto found = locateMediaFile(path);
    if (!found)
        return facts;
    facts.exists = true;
    facts.foundAt = *found;
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
        facts.truncated = !endsWithEndOfImage(file);
        facts.exifDate = exifShotDate(*found);
    }
    return facts;
}

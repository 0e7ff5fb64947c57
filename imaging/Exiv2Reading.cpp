#include "imaging/Exiv2Reading.h"

#include <mutex>

#include <QBuffer>
#include <QFile>

#include <exiv2/exiv2.hpp>

#include "imaging/JpegMetadata.h"
#include "model/TextForms.h"

namespace {

// As the decoder: a JPEG carrying more metadata than this is refused before Exiv2 reads it.
constexpr std::size_t metadataLimit = 4 * 1024 * 1024;

} // namespace

void prepareExiv2() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Its XMP parser must be set up once before threads use it; its warnings on damaged
        // files are ours to report, not standard error's.
        Exiv2::XmpParser::initialize();
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    });
}

namespace {

// Exiv2's reading of what open gives, once device passed the limit.
template <typename Open>
std::unique_ptr<Exiv2::Image> metadataWithinLimit(QIODevice& device, const Open& open) {
    if (!device.open(QIODevice::ReadOnly) ||
        jpegMetadataBytes(device, metadataLimit) > metadataLimit)
        return nullptr;
    prepareExiv2();
    try {
        auto image = open();
        image->readMetadata();
        return std::unique_ptr<Exiv2::Image>(image.release());
    } catch (const std::exception&) {
        return nullptr; // metadata that cannot be read says nothing
    }
}

} // namespace

std::unique_ptr<Exiv2::Image> readJpegMetadata(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return metadataWithinLimit(file, [&] { return Exiv2::ImageFactory::open(path); });
}

std::unique_ptr<Exiv2::Image> jpegMetadataOf(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    return metadataWithinLimit(buffer, [&] {
        return Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(bytes.data()),
                                         bytes.size());
    });
}

std::optional<std::string> exifDay(const std::string& exifDate) {
    if (exifDate.size() < 10 || exifDate[4] != ':' || exifDate[7] != ':')
        return std::nullopt;
    std::string day =
        exifDate.substr(0, 4) + '-' + exifDate.substr(5, 2) + '-' + exifDate.substr(8, 2);
    // A camera whose clock was never set writes zeros or blanks: no day at all.
    if (!isRealDate(day))
        return std::nullopt;
    return day;
}

std::string exifText(const Exiv2::ExifData& exif, const char* key) {
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() ? std::string() : found->toString();
}

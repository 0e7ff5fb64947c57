#include "imaging/ImageDecoder.h"

#include <algorithm>
#include <cstddef>

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include "imaging/DecodeBudget.h"
#include "imaging/JpegMetadata.h"

namespace {

// Large enough for an A0 drawing scanned at 400 dpi; a hostile header stops here.
constexpr qint64 maximumPixels = 300'000'000;
constexpr int allocationLimitMegabytes = 1200;
// Metadata a JPEG may carry: an EXIF block with its thumbnail and an ICC profile fit many
// times over; thousands of 64 KB segments, which the decoder would all keep, do not.
constexpr std::size_t jpegMetadataLimit = 4 * 1024 * 1024;

bool isRotatedSideways(QImageIOHandler::Transformations transformation) {
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

// What decoding an image stored at stored into reduced allocates at the most: the image the
// decoder makes (a JPEG decoder reducing while it decodes makes one at most twice as wide
// and high as asked, others the whole image), the reduction, and the upright copy. Unknown:
// as much as any decode may take.
std::size_t decodeBytes(QSize stored, QSize reduced, bool reducesWhileDecoding) {
    if (!stored.isValid())
        return std::size_t(allocationLimitMegabytes) * 1024 * 1024;
    const auto pixels = [](QSize size) { return std::size_t(size.width()) * size.height(); };
    const std::size_t decoded =
        reducesWhileDecoding ? std::min(pixels(stored), 4 * pixels(reduced)) : pixels(stored);
    constexpr std::size_t bytesPerPixel = 4;
    return bytesPerPixel * (decoded + 2 * pixels(reduced));
}

} // namespace

QSize fitInside(QSize wholeImage, QSize box) {
    return wholeImage.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

std::optional<DecodedImage> decodeImage(const QString& path, QSize box, SizeRule rule) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeImage(file, box, rule);
}

std::optional<DecodedImage> decodeImage(QIODevice& device, QSize box, SizeRule rule) {
    // A process-wide setting of Qt's: made once, before the first decode.
    static const bool limited = (QImageReader::setAllocationLimit(allocationLimitMegabytes), true);
    Q_UNUSED(limited);
    if (jpegMetadataBytes(device, jpegMetadataLimit) > jpegMetadataLimit)
        return std::nullopt;
    device.seek(0);
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() > maximumPixels)
        return std::nullopt;
    const bool sideways = isRotatedSideways(reader.transformation());
    const QSize upright = sideways ? stored.transposed() : stored;
    const QSize reduced = box.isValid() && stored.isValid() ? rule(upright, box) : upright;
    const bool reducing = reduced.width() < upright.width() && reduced.height() < upright.height();
    if (reducing) {
        // The reduction applies to the image as stored, before it is turned upright.
        reader.setScaledSize(sideways ? reduced.transposed() : reduced);
    }
    const bool reducesWhileDecoding =
        reducing && reader.supportsOption(QImageIOHandler::ScaledSize);
    const auto memory =
        DecodeBudget::shared().acquire(decodeBytes(stored, reduced, reducesWhileDecoding));
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return DecodedImage{std::move(image), stored.isValid() ? upright : image.size()};
}

QSize largestScreenSize() {
    QSize largest;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (const QScreen* screen : QGuiApplication::screens())
            largest = largest.expandedTo(screen->geometry().size() * screen->devicePixelRatio());
    }
    return largest.isEmpty() ? QSize(1920, 1200) : largest;
}

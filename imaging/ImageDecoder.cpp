#include "imaging/ImageDecoder.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

namespace {

// Large enough for an A0 drawing scanned at 400 dpi; a hostile header stops here.
constexpr qint64 maximumPixels = 300'000'000;
constexpr int allocationLimitMegabytes = 1200;

bool isRotatedSideways(QImageIOHandler::Transformations transformation) {
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

} // namespace

QSize fitInside(QSize wholeImage, QSize box) {
    return wholeImage.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

std::optional<DecodedImage> decodeImage(const QString& path, QSize box, SizeRule rule) {
    // A process-wide setting of Qt's: made once, before the first decode.
    static const bool limited = (QImageReader::setAllocationLimit(allocationLimitMegabytes), true);
    Q_UNUSED(limited);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() > maximumPixels)
        return std::nullopt;
    const bool sideways = isRotatedSideways(reader.transformation());
    const QSize upright = sideways ? stored.transposed() : stored;
    const QSize reduced = box.isValid() && stored.isValid() ? rule(upright, box) : upright;
    if (reduced.width() < upright.width() && reduced.height() < upright.height()) {
        // The reduction applies to the image as stored, before it is turned upright.
        reader.setScaledSize(sideways ? reduced.transposed() : reduced);
    }
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

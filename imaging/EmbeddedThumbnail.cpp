#include "imaging/EmbeddedThumbnail.h"

#include <cmath>

#include <QImageReader>
#include <QTransform>

#include <exiv2/exiv2.hpp>

#include "imaging/Exiv2Reading.h"

namespace {

// The middle of thumbnail in the proportions of a photo of size whole.
QImage withoutBands(const QImage& thumbnail, QSize whole) {
    const double photoRatio = double(whole.width()) / whole.height();
    const int width = thumbnail.width();
    const int height = thumbnail.height();
    const int contentWidth = std::min(width, int(std::lround(height * photoRatio)));
    const int contentHeight = std::min(height, int(std::lround(width / photoRatio)));
    if (width - contentWidth <= 1 && height - contentHeight <= 1)
        return thumbnail;
    return thumbnail.copy((width - contentWidth) / 2, (height - contentHeight) / 2, contentWidth,
                          contentHeight);
}

// The turn Qt reads from the EXIF orientation, as the decoder applies it: mirror, then turn.
QImage upright(const QImage& stored, QImageIOHandler::Transformations transformation) {
    QImage image = stored.mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                   transformation.testFlag(QImageIOHandler::TransformationFlip));
    if (transformation.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

QImage storedThumbnail(const std::string& path) {
    const auto metadata = readJpegMetadata(path);
    if (!metadata)
        return {};
    // The previews' accessors are the same in Exiv2 0.27 and 0.28, unlike DataBuf's. They are
    // listed smallest first; the EXIF thumbnail is the smallest a camera writes.
    Exiv2::PreviewManager previews(*metadata);
    const Exiv2::PreviewPropertiesList listed = previews.getPreviewProperties();
    if (listed.empty())
        return {};
    const Exiv2::PreviewImage preview = previews.getPreviewImage(listed.front());
    if (preview.size() == 0)
        return {};
    return QImage::fromData(preview.pData(), int(preview.size()));
}

} // namespace

std::optional<DecodedImage> decodeEmbeddedThumbnail(const std::string& path) {
    // Exiv2 first: it reads nothing of a file over the metadata limit, which the JPEG
    // decoder's header read would take into memory whole.
    const QImage thumbnail = storedThumbnail(path);
    if (thumbnail.isNull())
        return std::nullopt;
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    const QSize stored = reader.size();
    if (reader.format() != "jpeg" || !stored.isValid() || thumbnail.width() >= stored.width() ||
        thumbnail.height() >= stored.height())
        return std::nullopt;
    const QImageIOHandler::Transformations transformation = reader.transformation();
    const bool sideways = transformation.testFlag(QImageIOHandler::TransformationRotate90);
    const QImage content = withoutBands(thumbnail, stored);
    if (content.isNull()) // a photo of extreme proportions leaves no pixel of it
        return std::nullopt;
    return DecodedImage{upright(content, transformation), sideways ? stored.transposed() : stored};
}

#include "imaging/PhotoBitmap.h"

#include "imaging/ImageDecoder.h"
#include "imaging/MediaLookup.h"
#include "imaging/UiFont.h"

void paintFrame(QPainter& painter, const BoxRect& rectangle, int inset, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(rectangle.left + inset, rectangle.top + inset,
                           rectangle.width() - 2 * inset, rectangle.height() - 2 * inset));
    painter.restore();
}

bool PhotoBitmap::load(const std::string& path) {
    free();
    const auto file = locateMediaFile(path);
    if (!file)
        return false;
    const auto stamp = fileStampOf(*file);
    auto image = decodeImage(QString::fromStdString(*file), largestScreenSize());
    if (!image || !stamp)
        return false;
    decoded = std::move(image->image);
    decodedFile = *file;
    decodedStamp = *stamp;
    uprightSize = image->uprightSize;
    sourcePath = path;
    loaded = true;
    return true;
}

void PhotoBitmap::free() {
    decoded = QImage();
    scaled = QImage();
    uprightSize = QSize();
    loaded = false;
    sourcePath.clear();
    decodedFile.clear();
    caption.clear();
}

bool PhotoBitmap::layout(const BoxRect& box) {
    layoutBox = box;
    fittedRect = holdsImage() ? fitCentered(width(), height(), box) : box;
    return true;
}

bool PhotoBitmap::paint(QPainter& painter) const {
    if (holdsImage()) {
        paintInto(painter, fittedRect);
        return true;
    }
    if (!caption.empty())
        paintCaption(painter);
    return false;
}

void PhotoBitmap::paintCaption(QPainter& painter) const {
    painter.save();
    painter.setFont(uiFont(layoutBox.height() / 20));
    painter.drawText(layoutBox.toQRect(), Qt::AlignCenter | Qt::TextSingleLine,
                     QString::fromStdString(caption));
    painter.restore();
    paintFrame(painter, layoutBox, 3, captionFrameColour);
}

void PhotoBitmap::paintInto(QPainter& painter, const BoxRect& destination) const {
    const QSize size(destination.width(), destination.height());
    if (decoded.isNull() || size.isEmpty())
        return;
    if (scaled.size() != size)
        scaled = decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(QPoint(destination.left, destination.top), scaled);
}

QImage PhotoBitmap::imageToPrint() const {
    if (locateMediaFile(sourcePath) == decodedFile && fileStampOf(decodedFile) == decodedStamp) {
        if (const auto full = decodeImage(QString::fromStdString(decodedFile)))
            return full->image;
    }
    return decoded;
}

void PhotoBitmap::printTo(QPainter& painter, const QRect& page) const {
    if (!holdsImage())
        return;
    const QImage image = imageToPrint();
    // Fitted by the whole image's proportions, which the held image shares.
    const BoxRect fitted = fitCentered(width(), height(), BoxRect::fromQRect(page));
    painter.drawImage(fitted.toQRect(), image);
}

#include "imaging/PhotoBitmap.h"

#include "imaging/ImageDecoder.h"

bool PhotoBitmap::assign(const DecodedFile& file) {
    if (holds(file))
        return true; // the same image again: keep what was made for painting it
    free();
    if (!file.isDecoded())
        return false;
    shown = file;
    uprightSize = file.fullSize;
    loaded = true;
    return true;
}

void PhotoBitmap::free() {
    shown = DecodedFile();
    scaled = QImage();
    uprightSize = QSize();
    loaded = false;
}

bool PhotoBitmap::layout(const BoxRect& box) {
    layoutBox = box;
    fittedRect = holdsImage() ? fitCentered(width(), height(), box) : box;
    return true;
}

bool PhotoBitmap::paint(QPainter& painter) const {
    if (!holdsImage())
        return false;
    paintInto(painter, fittedRect);
    return true;
}

void PhotoBitmap::paintInto(QPainter& painter, const BoxRect& destination) const {
    const qreal pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize size(destination.width(), destination.height());
    const QSize devicePixels = (QSizeF(size) * pixelRatio).toSize();
    if (shown.image.isNull() || size.isEmpty())
        return;
    // The pipeline decodes for the size painted, so this is mostly a plain copy; another size
    // is scaled once and kept for the repaints.
    const QImage* source = &shown.image;
    if (shown.image.size() != devicePixels) {
        if (scaled.size() != devicePixels) {
            scaled =
                shown.image.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        source = &scaled;
    }
    // Device pixels map one to one onto the destination, at any pixel ratio.
    painter.drawImage(QRect(destination.left, destination.top, size.width(), size.height()),
                      *source);
}

QImage PhotoBitmap::imageToPrint() const {
    if (fileStampOf(shown.file) == shown.stamp) {
        if (const auto full = decodeImage(QString::fromStdString(shown.file)))
            return full->image;
    }
    return shown.image;
}

void PhotoBitmap::printTo(QPainter& painter, const QRect& page) const {
    if (!holdsImage())
        return;
    const QImage image = imageToPrint();
    // Fitted by the whole image's proportions, which the held image shares.
    const BoxRect fitted = fitCentered(width(), height(), BoxRect::fromQRect(page));
    painter.drawImage(fitted.toQRect(), image);
}

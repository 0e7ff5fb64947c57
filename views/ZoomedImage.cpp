#include "views/ZoomedImage.h"

#include <QPainter>

ZoomedImage::ZoomedImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ZoomedImage::clear() {
    held = QImage();
    zoomed.fit();
    update();
}

void ZoomedImage::showFile(const DecodedFile& file) {
    if (!file.isDecoded()) {
        clear();
        return;
    }
    if (held.isNull())
        zoomed.showImage(file.fullSize);
    held = file.image;
    heldIsWhole = file.isWhole();
    update();
}

void ZoomedImage::zoomBy(double factor, QPointF at) {
    zoomed.zoomBy(factor, inDevicePixels(at));
    update();
}

void ZoomedImage::showActualSize(QPointF at) {
    zoomed.showActualSize(inDevicePixels(at));
    update();
}

void ZoomedImage::fit() {
    zoomed.fit();
    update();
}

void ZoomedImage::panBy(QPointF delta) {
    zoomed.panBy(inDevicePixels(delta));
    update();
}

void ZoomedImage::place(const QRect& geometry) {
    setGeometry(geometry);
    zoomed.setViewport(QSizeF(geometry.size()) * devicePixelRatioF());
}

void ZoomedImage::paintEvent(QPaintEvent*) {
    if (held.isNull())
        return;
    const QRectF whole = zoomed.imageRect();
    const QRectF visible =
        whole.intersected(QRectF(QPointF(), QSizeF(size()) * devicePixelRatioF()));
    if (visible.isEmpty())
        return;
    // The held image may be a reduction of the whole, rounded on each axis by itself: map
    // the visible part onto its pixels.
    const double heldPerShownX = held.width() / whole.width();
    const double heldPerShownY = held.height() / whole.height();
    const QPointF offset = visible.topLeft() - whole.topLeft();
    const QRectF source(offset.x() * heldPerShownX, offset.y() * heldPerShownY,
                        visible.width() * heldPerShownX, visible.height() * heldPerShownY);
    QPainter painter(this);
    // Enlarged image pixels stay sharp squares, so that small text can be read as it was
    // taken; a reduction, or a held image still coarser than shown, is smoothed.
    const bool pixelsEnlarged = zoomed.scale() >= 1.0 && heldIsWhole;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !pixelsEnlarged);
    const double ratio = devicePixelRatioF();
    painter.drawImage(QRectF(visible.topLeft() / ratio, visible.size() / ratio), held, source);
}

#include "views/CPhotoStatic.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include "imaging/CaptionPainter.h"
#include "imaging/FitRules.h"

namespace {

const QColor selectionColour(160, 255, 255);

} // namespace

CPhotoStatic::CPhotoStatic(QWidget* parent) : QWidget(parent) {}

void CPhotoStatic::clear() {
    bitmap.free();
    caption.clear();
    selected = false;
    update();
}

bool CPhotoStatic::showImage(const DecodedFile& file, const QString& overlay) {
    if (showsImage() && bitmap.holds(file) && caption == overlay)
        return true; // already shown: nothing to repaint
    caption = overlay;
    const bool shown = bitmap.assign(file);
    update();
    return shown;
}

void CPhotoStatic::showCaption(const QString& text) {
    bitmap.free();
    caption = text;
    update();
}

void CPhotoStatic::setSelected(bool isSelected) {
    if (selected == isSelected)
        return;
    selected = isSelected;
    update();
}

QSize CPhotoStatic::imageBox() const {
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void CPhotoStatic::printTo(QPainter& painter, const QRect& page) const {
    if (showsImage()) {
        bitmap.printTo(painter, page);
        const BoxRect printed =
            fitCentered(bitmap.width(), bitmap.height(), BoxRect::fromQRect(page));
        paintCaptionOverImage(painter, printed.toQRect(), caption, pixelSizedFont(font()));
        return;
    }
    // A missing photo prints what the screen shows: the control's caption, scaled to the page.
    const BoxRect fitted = fitCentered(width(), height(), BoxRect::fromQRect(page));
    painter.save();
    painter.setViewport(fitted.toQRect());
    painter.setWindow(rect());
    paintFileCaption(painter, rect(), caption, pixelSizedFont(font()));
    painter.restore();
}

void CPhotoStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (showsImage() && bitmap.width() > 0)
        paintImage(painter);
    else if (!caption.isEmpty())
        paintCaption(painter);
}

void CPhotoStatic::paintImage(QPainter& painter) {
    const BoxRect destination = fitWithMargin(bitmap.width(), bitmap.height(), width(), height());
    bitmap.paintInto(painter, destination);
    paintCaptionOverImage(painter, destination.toQRect(), caption, pixelSizedFont(font()));
    if (selected) {
        // The frame surrounds the image; what lies beyond the control is clipped.
        const BoxRect around{destination.left - 3, destination.top - 3, destination.right + 4,
                             destination.bottom + 4};
        paintFrame(painter, around, 0, selectionColour);
    }
}

void CPhotoStatic::paintCaption(QPainter& painter) {
    paintFileCaption(painter, rect(), caption, pixelSizedFont(font()));
    if (selected)
        paintFrame(painter, BoxRect::fromQRect(rect()), 3, selectionColour);
}

void CPhotoStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // The release that ends a double click is not a click of its own.
    if (releaseEndsDoubleClick) {
        releaseEndsDoubleClick = false;
        return;
    }
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void CPhotoStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    releaseEndsDoubleClick = true;
    Q_EMIT doubleClicked();
}

void CPhotoStatic::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT menuRequested(event->globalPos());
}

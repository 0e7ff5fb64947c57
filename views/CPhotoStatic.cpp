#include "views/CPhotoStatic.h"

#include <QMouseEvent>
#include <QPainter>

#include "imaging/FitRules.h"

namespace {

const QColor selectionColour(160, 255, 255);

} // namespace

CPhotoStatic::CPhotoStatic(QWidget* parent) : QWidget(parent) {}

void CPhotoStatic::clear() {
    imagePath.clear();
    loaded = false;
    image.free();
    fallbackCaption.clear();
    selected = false;
    photo = nullptr;
    photoIndex = -1;
    update();
}

bool CPhotoStatic::loadImage(const std::string& path) {
    clear();
    loaded = image.load(path);
    if (loaded)
        imagePath = path;
    return loaded;
}

void CPhotoStatic::setSelected(bool isSelected) {
    selected = isSelected;
    update();
}

void CPhotoStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (loaded && image.width() > 0)
        paintImage(painter);
    else if (!fallbackCaption.empty())
        paintCaption(painter);
}

void CPhotoStatic::paintImage(QPainter& painter) {
    const BoxRect destination = fitWithMargin(image.width(), image.height(), width(), height());
    image.paintInto(painter, destination);
    if (selected) {
        // The frame surrounds the image; what lies beyond the control is clipped.
        const BoxRect around{destination.left - 3, destination.top - 3, destination.right + 4,
                             destination.bottom + 4};
        paintFrame(painter, around, 0, selectionColour);
    }
}

void CPhotoStatic::paintCaption(QPainter& painter) {
    const BoxRect client{0, 0, width(), height()};
    painter.drawText(client.toQRect(), Qt::AlignCenter | Qt::TextSingleLine,
                     QString::fromStdString(fallbackCaption));
    paintFrame(painter, client, 3, captionFrameColour);
    if (selected)
        paintFrame(painter, client, 3, selectionColour);
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

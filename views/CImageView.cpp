#include "views/CImageView.h"

#include <cmath>
#include <utility>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWheelEvent>

#include "imaging/FitRules.h"
#include "views/PrintDialog.h"

namespace {

// One wheel notch, one + or -: three steps double the scale, so that 200 % and 400 % are met
// on the way from 100 %.
const double zoomStep = std::cbrt(2.0);

} // namespace

CImageView::CImageView(CQuillonDoc& document, ImageLoader& images, QWidget* parent)
    : QWidget(parent), document(document), control(new CPhotoStatic(this)),
      zoomed(new ZoomedImage(this)),
      slot(images, fittedWithMarginSize,
           [this](const DecodedFile& file, const QString& caption) { showDecoded(file, caption); }),
      sharpen(this, [this] { requestImage(); }) {
    // This view decides what a click, a drag and the wheel do, wherever they happen.
    control->setAttribute(Qt::WA_TransparentForMouseEvents);
    zoomed->hide();
    for (const CommandId id : offInFullWindowViews)
        disable(id);
    addZoomCommands();
    document.addView(*this);
}

void CImageView::addZoomCommands() {
    const auto canZoom = [this] { return zoomed->holdsImage(); };
    const auto zoomAroundCentre = [this](double factor) {
        zoomed->zoomBy(factor, centreOfImage());
        applyZoom();
    };
    add(CommandId::ZoomIn, canZoom, [zoomAroundCentre] { zoomAroundCentre(zoomStep); });
    add(CommandId::ZoomOut, canZoom, [zoomAroundCentre] { zoomAroundCentre(1 / zoomStep); });
    add(CommandId::ActualSize, canZoom, [this] {
        zoomed->showActualSize(centreOfImage());
        applyZoom();
    });
    add(CommandId::ZoomToFit, canZoom, [this] {
        zoomed->fit();
        applyZoom();
    });
    // An eighth of the view a key press, towards the side the key names.
    const auto canPan = [this] { return zoomed->holdsImage() && !zoomed->zoom().isFitted(); };
    const auto pan = [this](double towardsRight, double towardsBottom) {
        zoomed->panBy(QPointF(-towardsRight * zoomed->width(), -towardsBottom * zoomed->height()) /
                      8);
    };
    add(CommandId::PanLeft, canPan, [pan] { pan(-1, 0); });
    add(CommandId::PanRight, canPan, [pan] { pan(1, 0); });
    add(CommandId::PanUp, canPan, [pan] { pan(0, -1); });
    add(CommandId::PanDown, canPan, [pan] { pan(0, 1); });
}

QPointF CImageView::centreOfImage() const {
    return QRectF(zoomed->rect()).center();
}

CImageView::~CImageView() {
    document.removeView(*this);
}

void CImageView::onUpdate(DocumentView*, UpdateHint hint) {
    switch (hint) {
    case UpdateHint::HINT_LAYOUT_CHANGED:
        return;
    case UpdateHint::HINT_INITIAL:
        // A new document has no photo: nothing of the previous one may stay.
        if (!document.currentPhoto())
            clearAll();
        update();
        return;
    case UpdateHint::HINT_CLEAR:
        clearAll();
        return;
    default:
        if (!document.currentPhoto())
            return;
        chooseTarget();
        control->clear();
        zoomed->clear();
        applyZoom();
        if (isVisible())
            requestImage();
    }
}

void CImageView::clearAll() {
    slot.clear();
    control->clear();
    zoomed->clear();
    applyZoom();
}

void CImageView::showDecoded(const DecodedFile& file, const QString& caption) {
    if (!control->showImage(file, caption))
        control->showCaption(caption);
    zoomed->showFile(file);
    announceZoom();
}

void CImageView::applyZoom() {
    const bool zoomedIn = !zoomed->zoom().isFitted();
    zoomed->setVisible(zoomedIn);
    control->setVisible(!zoomedIn);
    if (zoomedIn)
        setCursor(dragging ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
    else
        unsetCursor();
    announceZoom();
    if (zoomedIn && isVisible())
        sharpen.ask();
}

void CImageView::announceZoom() {
    const bool shown = isVisible() && zoomed->holdsImage();
    Q_EMIT zoomChanged(shown ? QString("%1 %").arg(zoomed->zoom().percent()) : QString());
}

void CImageView::chooseTarget() {
    const PhotoRecord& photo = *document.currentPhoto();
    if (document.imageTarget() == ImageTarget::Photo)
        slot.setFile(ImageSlot::photoFile(document, photo));
    else if (document.imageTarget() == ImageTarget::Drawing && document.currentDrawing())
        slot.setFile(ImageSlot::drawingFile(document, photo, document.currentDrawingIndex()));
    else
        slot.clear();
}

void CImageView::requestImage() {
    // What the cache holds (the four-photo view's image) shows at once, the sharper one
    // when it arrives.
    if (zoomed->zoom().isFitted())
        slot.request(control->imageBox());
    else
        slot.request(zoomed->zoom().decodeSize(), fitInside);
}

void CImageView::reload() {
    slot.forget();
    control->clear();
    zoomed->clear();
    applyZoom();
    requestImage();
}

void CImageView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    requestImage();
    announceZoom();
}

void CImageView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The next enlargement starts fitted, as designed.
    zoomed->fit();
    applyZoom();
}

void CImageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    control->setGeometry(10, 10, width() - 20, height() - 20);
    zoomed->place(control->geometry());
    if (isVisible())
        sharpen.ask(); // a larger window deserves a sharper image, once it has its size
}

void CImageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt = lastDragPoint = event->position();
    dragging = false;
}

void CImageView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedAt || zoomed->zoom().isFitted())
        return;
    const QPointF point = event->position();
    const int dragDistance = QGuiApplication::styleHints()->startDragDistance();
    if (!dragging && (point - *pressedAt).manhattanLength() < dragDistance)
        return;
    dragging = true;
    setCursor(Qt::ClosedHandCursor);
    zoomed->panBy(point - lastDragPoint);
    lastDragPoint = point;
}

void CImageView::mouseReleaseEvent(QMouseEvent* event) {
    // Only the release of a press made here: the release of the double click that enlarged
    // the photo must not return at once.
    if (event->button() != Qt::LeftButton || !pressedAt)
        return;
    pressedAt.reset();
    if (!std::exchange(dragging, false))
        Q_EMIT endRequested();
    else
        applyZoom();
}

void CImageView::wheelEvent(QWheelEvent* event) {
    if (!zoomed->holdsImage()) {
        QWidget::wheelEvent(event);
        return;
    }
    // With or without Ctrl, around the pointer; a touchpad's small steps zoom a little.
    const double notches = event->angleDelta().y() / 120.0;
    zoomed->zoomBy(std::pow(zoomStep, notches), zoomed->mapFrom(this, event->position()));
    applyZoom();
}

bool CImageView::canPrint() const {
    return control->showsImage() || !control->captionText().isEmpty();
}

void CImageView::printPage(QPainter& painter, const QRect& page) const {
    control->printTo(painter, page);
}

void CImageView::print() {
    if (canPrint())
        printOnePage(this,
                     [this](QPainter& painter, const QRect& page) { printPage(painter, page); });
}

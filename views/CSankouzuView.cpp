#include "views/CSankouzuView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include "imaging/CaptionPainter.h"
#include "views/DrawingColumnLayout.h"
#include "views/PlainText.h"
#include "views/UiFont.h"

namespace {

const QColor chosenColour(160, 255, 255);

} // namespace

CSankouzuView::CSankouzuView(CQuillonDoc& document, ImageLoader& images, QWidget* parent)
    : QAbstractScrollArea(parent), document(document), images(images), preloader(images, this),
      sharpen(this, [this] { sharpenImages(); }) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Always there: a bar that came and went would change the width the squares follow.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    add(
        CommandId::Reload, [] { return true; }, [this] { reload(); });
    document.addView(*this);
}

CSankouzuView::~CSankouzuView() {
    document.removeView(*this);
}

void CSankouzuView::onUpdate(DocumentView*, UpdateHint hint) {
    if (hint == UpdateHint::HINT_DRAWING_SELECTED) {
        viewport()->update(); // the chosen drawing's frame
        return;
    }
    if (hint == UpdateHint::HINT_LAYOUT_CHANGED)
        return;
    items.clear();
    const bool shown = hint != UpdateHint::HINT_CLEAR && document.currentPhoto();
    if (shown) {
        const PhotoRecord& photo = *document.currentPhoto();
        const int count = static_cast<int>(photo.drawings.size());
        items.reserve(static_cast<std::size_t>(count)); // a slot's deliveries find it there
        for (int drawing = 0; drawing < count; ++drawing)
            addItem(drawing, ImageSlot::drawingFile(document, photo, drawing));
    }
    // Laid out first: each drawing is asked for at the size of its square.
    layoutItems();
    if (shown)
        requestImages();
    else
        lastIndex = -1;
    viewport()->update();
}

void CSankouzuView::addItem(int drawing, ImageSlot::File file) {
    const int item = itemCount();
    items.push_back({drawing, PhotoBitmap(), QString(),
                     ImageSlot(images, fittedCenteredSize,
                               [this, item](const DecodedFile& decoded, const QString& caption) {
                                   showImage(item, decoded, caption);
                               })});
    items.back().slot.setFile(std::move(file));
}

void CSankouzuView::sharpenImages() {
    // Asking again delivers what is held at once and a sharper image when one is needed.
    for (int item = 0; item < itemCount(); ++item)
        requestImage(item);
}

void CSankouzuView::requestImages() {
    for (int item = 0; item < itemCount(); ++item)
        requestImage(item);
    readAhead();
}

QSize CSankouzuView::itemBox() const {
    const int side = std::max(itemWidth - 20, 1);
    return (QSizeF(side, side) * devicePixelRatioF()).toSize();
}

void CSankouzuView::requestImage(int item) {
    items[item].slot.request(itemBox());
}

void CSankouzuView::showImage(int item, const DecodedFile& file, const QString& caption) {
    Item& shown = items[item];
    if (!shown.bitmap.holds(file))
        shown.bitmap.assign(file);
    shown.caption = caption; // in place of the image, or over a file's part that was read
    layoutItems();           // the image's proportions decide where in its square it lies
    viewport()->update();
}

void CSankouzuView::layoutItems() {
    const DrawingColumnLayout layout =
        drawingColumnLayout(viewport()->width(), static_cast<int>(items.size()));
    itemWidth = layout.itemWidth;
    layoutHeight = layout.contentHeight;
    for (std::size_t item = 0; item < items.size(); ++item)
        items[item].bitmap.layout(layout.boxes[item]);
    verticalScrollBar()->setRange(0, std::max(0, layoutHeight - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, itemWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void CSankouzuView::readAhead() {
    // The drawings the next step shows, read with the photos of the next page.
    const int current = document.currentIndex();
    const int step = current < lastIndex ? -1 : 1;
    lastIndex = current;
    const int next = current + step;
    std::vector<ImageWish> wishes;
    if (next >= 0 && next < static_cast<int>(document.photoOrder().size())) {
        const PhotoRecord& photo = document.photoOrder()[static_cast<std::size_t>(next)];
        for (int drawing = 0; drawing < static_cast<int>(photo.drawings.size()); ++drawing) {
            const ImageSlot::File file = ImageSlot::drawingFile(document, photo, drawing);
            wishes.push_back({file, itemBox(), fittedCenteredSize});
        }
    }
    preloader.schedule(std::move(wishes));
}

int CSankouzuView::itemAt(QPoint point) const {
    const int x = point.x() + horizontalScrollBar()->value();
    const int y = point.y() + verticalScrollBar()->value();
    for (int item = 0; item < itemCount(); ++item) {
        if (items[item].bitmap.hitTest(x, y))
            return item;
    }
    return -1;
}

void CSankouzuView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    for (const Item& item : items) {
        const QRect box = item.bitmap.box().toQRect();
        if (item.bitmap.paint(painter))
            paintCaptionOverImage(painter, item.bitmap.fittedRectangle().toQRect(), item.caption,
                                  uiFont(box.height() / 20));
        else if (!item.caption.isEmpty())
            paintFileCaption(painter, box, item.caption, uiFont(box.height() / 20));
        // A thin frame shows which drawing enlargement will show.
        if (document.imageTarget() == ImageTarget::Drawing &&
            document.currentDrawingIndex() == item.drawing) {
            const BoxRect fitted = item.bitmap.fittedRectangle();
            paintFrame(painter,
                       {fitted.left - 3, fitted.top - 3, fitted.right + 4, fitted.bottom + 4}, 0,
                       chosenColour);
        }
    }
}

void CSankouzuView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const int before = itemWidth;
    layoutItems();
    if (itemWidth != before)
        sharpen.ask();
}

void CSankouzuView::mousePressEvent(QMouseEvent* event) {
    QAbstractScrollArea::mousePressEvent(event);
    const int item = event->button() == Qt::LeftButton ? itemAt(event->position().toPoint()) : -1;
    if (item != -1 && document.selectDrawing(items[item].drawing, this))
        viewport()->update();
}

void CSankouzuView::mouseDoubleClickEvent(QMouseEvent* event) {
    QAbstractScrollArea::mouseDoubleClickEvent(event);
    const int item = event->button() == Qt::LeftButton ? itemAt(event->position().toPoint()) : -1;
    if (item != -1 && items[item].bitmap.isLoaded())
        Q_EMIT enlargeRequested();
}

void CSankouzuView::wheelEvent(QWheelEvent* event) {
    // A notch of the wheel moves on by one drawing: the column is read drawing by drawing.
    const int notches = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0) {
        QAbstractScrollArea::wheelEvent(event); // the fine steps of a touchpad
        return;
    }
    const int pitch = std::max(itemWidth - 10, 1);
    verticalScrollBar()->setValue(verticalScrollBar()->value() - notches * pitch);
    event->accept();
}

bool CSankouzuView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    // The drawing's title (参考図タイトル), which the column has no room to show.
    const auto* help = static_cast<QHelpEvent*>(event);
    const int item = itemAt(help->pos());
    const PhotoRecord* photo = document.currentPhoto();
    if (item == -1 || !photo) {
        QToolTip::hideText();
        return true;
    }
    const ReferenceDrawing& drawing =
        photo->drawings[static_cast<std::size_t>(items[item].drawing)];
    const QString title = QString::fromStdString(drawing.slots[DrawingSlot::DrawingTitle]);
    if (title.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), plainTextToolTip(title), viewport());
    return true;
}

void CSankouzuView::reload() {
    if (!document.currentPhoto())
        return;
    for (Item& item : items)
        item.slot.forget();
    onUpdate(nullptr, UpdateHint::HINT_PHOTO_CHANGED);
}

#include "views/CThumbnailView.h"

#include <algorithm>
#include <unordered_set>

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextOption>
#include <QToolTip>

#include "imaging/CaptionPainter.h"
#include "imaging/FileCaption.h"
#include "views/ImageSlot.h"
#include "views/PlainText.h"

namespace {

// The size of a camera's embedded thumbnail, so that on a screen of one device pixel per
// pixel it fills the cell without a decode of the photo.
const QSize imageSize(160, 120);
constexpr int margin = 8;
constexpr int currentFrameWidth = 3;
constexpr int captionPixels = 10;

QImage fittedInto(QImage image, QSize box) {
    if (image.width() <= box.width() && image.height() <= box.height())
        return image;
    return image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// rectangle of size centred in box.
QRect centredIn(QSize size, const QRect& box) {
    return {box.left() + (box.width() - size.width()) / 2,
            box.top() + (box.height() - size.height()) / 2, size.width(), size.height()};
}

} // namespace

CThumbnailView::CThumbnailView(CQuillonDoc& document, ImageLoader& images, QWidget* parent)
    : QAbstractScrollArea(parent), document(document), images(images) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    add(
        CommandId::Reload, [this] { return shown; }, [this] { reload(); });
    document.addView(*this);
}

CThumbnailView::~CThumbnailView() {
    document.removeView(*this);
}

ThumbnailGrid CThumbnailView::grid() const {
    const int textHeight = 2 * fontMetrics().height();
    return ThumbnailGrid(viewport()->width(), QSize(imageSize.width() + 2 * margin,
                                                    imageSize.height() + 3 * margin + textHeight));
}

int CThumbnailView::photoCount() const {
    return static_cast<int>(document.photoOrder().size());
}

const PhotoRecord& CThumbnailView::photoAt(int index) const {
    return document.photoOrder()[static_cast<std::size_t>(index)];
}

QSize CThumbnailView::imageBox() const {
    return imageSize * devicePixelRatio();
}

int CThumbnailView::cellsPerPage() const {
    return grid().cellsPerPage(viewport()->height());
}

void CThumbnailView::onUpdate(DocumentView*, UpdateHint hint) {
    // The records of a delivery being replaced go: nothing may be kept by their address.
    if (hint == UpdateHint::HINT_CLEAR || hint == UpdateHint::HINT_INITIAL)
        clearThumbnails();
    if (shown && hint != UpdateHint::HINT_DRAWING_SELECTED)
        refresh();
}

void CThumbnailView::setShown(bool isShown) {
    shown = isShown;
    if (shown)
        refresh();
    else
        clearThumbnails();
}

void CThumbnailView::refresh() {
    updateScrollRange();
    if (!scrollToCurrent())
        requestShown(); // a scroll has asked for its cells already
    viewport()->update();
}

void CThumbnailView::clearThumbnails() {
    thumbnails.clear();
    viewport()->update();
}

void CThumbnailView::reload() {
    for (const auto& [photo, thumbnail] : thumbnails)
        images.forget(ImageSlot::photoFile(document, *photo).path);
    clearThumbnails();
    requestShown();
}

void CThumbnailView::updateScrollRange() {
    QScrollBar& bar = *verticalScrollBar();
    const ThumbnailGrid cells = grid();
    bar.setRange(0, std::max(0, cells.contentHeight(photoCount()) - viewport()->height()));
    bar.setPageStep(viewport()->height());
    bar.setSingleStep(cells.cellRect(0).height() / 4);
}

bool CThumbnailView::scrollToCurrent() {
    const int current = document.currentIndex();
    if (current < 0)
        return false;
    const QRect cell = grid().cellRect(current);
    QScrollBar& bar = *verticalScrollBar();
    const int before = bar.value();
    if (cell.top() < before)
        bar.setValue(cell.top());
    else if (cell.bottom() >= before + viewport()->height())
        bar.setValue(cell.bottom() + 1 - viewport()->height());
    return bar.value() != before;
}

void CThumbnailView::requestShown() {
    if (!shown)
        return;
    const ThumbnailGrid cells = grid();
    const int top = verticalScrollBar()->value();
    const int height = viewport()->height();
    const int count = photoCount();
    const auto [first, end] = cells.cellsIn(top, height, count);
    const auto [aheadFirst, aheadEnd] =
        cells.cellsIn(top + scrollDirection * height, height, count);
    std::vector<int> wanted; // those on screen first
    for (int index = first; index < end; ++index)
        wanted.push_back(index);
    for (int index = aheadFirst; index < aheadEnd; ++index)
        wanted.push_back(index);
    std::unordered_set<const PhotoRecord*> kept;
    for (const int index : wanted)
        kept.insert(&photoAt(index));
    std::erase_if(thumbnails, [&kept](const auto& entry) { return !kept.contains(entry.first); });
    for (const int index : wanted) {
        const auto found = thumbnails.find(&photoAt(index));
        if (found == thumbnails.end())
            request(index);
        else
            found->second.index = index; // the order may have changed around it
    }
}

void CThumbnailView::request(int index) {
    const PhotoRecord& photo = photoAt(index);
    Thumbnail& thumbnail = thumbnails[&photo];
    thumbnail.index = index;
    thumbnail.serialNumber = qStringOf(photo.slots[PhotoSlot::SerialNumber]);
    thumbnail.title = fontMetrics().elidedText(qStringOf(photo.slots[PhotoSlot::Title]),
                                               Qt::ElideRight, imageSize.width());
    const ImageSlot::File file = ImageSlot::photoFile(document, photo);
    thumbnail.ticket = images.request(
        file, imageBox(),
        [this, &photo, file](const DecodedFile& decoded) { deliver(photo, file, decoded); },
        fitInside, EmbeddedThumbnail::Accept);
}

void CThumbnailView::deliver(const PhotoRecord& photo, const ImageSlot::File& named,
                             const DecodedFile& file) {
    Thumbnail& thumbnail = thumbnails.at(&photo);
    if (file.isDecoded()) {
        thumbnail.image = fittedInto(file.image, imageBox());
        thumbnail.image.setDevicePixelRatio(devicePixelRatio());
    }
    thumbnail.caption = qStringOf(fileCaption(file, named.name, named.medium));
    viewport()->update(cellRectOf(thumbnail.index));
}

QImage CThumbnailView::imageAt(int index) const {
    const auto found = thumbnails.find(&photoAt(index));
    return found == thumbnails.end() ? QImage() : found->second.image;
}

QString CThumbnailView::captionAt(int index) const {
    const auto found = thumbnails.find(&photoAt(index));
    return found == thumbnails.end() ? QString() : found->second.caption;
}

QRect CThumbnailView::cellRectOf(int index) const {
    return grid().cellRect(index).translated(0, -verticalScrollBar()->value());
}

int CThumbnailView::indexAtViewport(QPoint point) const {
    return grid().indexAt(point + QPoint(0, verticalScrollBar()->value()), photoCount());
}

void CThumbnailView::moveBy(int step) {
    const int current = document.currentIndex();
    const int last = photoCount() - 1;
    if (current < 0)
        return;
    int target = current + step;
    // Down from the row above a shorter last row lands on its last photo.
    if (target > last && current / grid().columns() < last / grid().columns())
        target = last;
    if (target >= 0 && target <= last)
        document.goToPhoto(target, nullptr);
}

void CThumbnailView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (shown)
        refresh();
}

void CThumbnailView::scrollContentsBy(int, int dy) {
    if (dy != 0)
        scrollDirection = dy < 0 ? 1 : -1;
    requestShown();
    viewport()->update();
}

void CThumbnailView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        moveBy(-grid().columns());
        break;
    case Qt::Key_Down:
        moveBy(grid().columns());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (document.currentPhoto())
            Q_EMIT photoChosen();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void CThumbnailView::mousePressEvent(QMouseEvent* event) {
    const int index = indexAtViewport(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index != -1)
        document.goToPhoto(index, nullptr);
}

void CThumbnailView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int index = indexAtViewport(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index != -1) {
        document.goToPhoto(index, nullptr);
        Q_EMIT photoChosen();
    }
}

void CThumbnailView::contextMenuEvent(QContextMenuEvent* event) {
    // The menu acts on the photo it was asked on: that photo becomes current first.
    const int index = event->reason() == QContextMenuEvent::Mouse ? indexAtViewport(event->pos())
                                                                  : document.currentIndex();
    if (index == -1)
        return;
    document.goToPhoto(index, nullptr);
    Q_EMIT photoMenuRequested(event->globalPos());
}

bool CThumbnailView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = indexAtViewport(help->pos());
    if (index == -1) {
        QToolTip::hideText();
        return true;
    }
    const PhotoRecord& photo = photoAt(index);
    QToolTip::showText(help->globalPos(),
                       plainTextToolTip(qStringOf(photo.slots[PhotoSlot::Title]) + '\n' +
                                        qStringOf(photo.slots[PhotoSlot::FileName])),
                       viewport());
    return true;
}

void CThumbnailView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().base());
    const ThumbnailGrid cells = grid();
    const int top = verticalScrollBar()->value();
    const QRect dirty = event->rect();
    const auto [first, end] = cells.cellsIn(top + dirty.top(), dirty.height(), photoCount());
    for (int index = first; index < end; ++index)
        paintCell(painter, index, cells.cellRect(index).translated(0, -top));
}

void CThumbnailView::paintCell(QPainter& painter, int index, const QRect& cell) const {
    if (index == document.currentIndex()) {
        const QColor highlight = palette().color(QPalette::Highlight);
        painter.fillRect(cell.adjusted(2, 2, -2, -2), highlight.lighter(180));
        painter.setPen(QPen(highlight, currentFrameWidth));
        painter.drawRect(cell.adjusted(2, 2, -3, -3));
    }
    const QRect box(cell.topLeft() + QPoint(margin, margin), imageSize);
    const auto found = thumbnails.find(&photoAt(index));
    if (found == thumbnails.end())
        return;
    const Thumbnail& thumbnail = found->second;
    paintThumbnail(painter, thumbnail, box);
    const int line = fontMetrics().height();
    QRect text(box.left(), box.bottom() + 1 + margin / 2, box.width(), line);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, thumbnail.serialNumber);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(text.translated(0, line), Qt::AlignLeft | Qt::AlignVCenter, thumbnail.title);
}

void CThumbnailView::paintThumbnail(QPainter& painter, const Thumbnail& thumbnail,
                                    const QRect& box) const {
    if (!thumbnail.image.isNull()) {
        const QSize shown = thumbnail.image.deviceIndependentSize().toSize().scaled(
            box.size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(centredIn(shown, box), thumbnail.image);
        QFont small = font();
        small.setPixelSize(captionPixels);
        paintCaptionOverImage(painter, centredIn(shown, box), thumbnail.caption, small);
        return;
    }
    if (thumbnail.caption.isEmpty()) {
        painter.fillRect(box, palette().color(QPalette::AlternateBase)); // on its way
        return;
    }
    painter.setPen(QPen(captionFrameColour, 2));
    painter.drawRect(box.adjusted(1, 1, -1, -1));
    QFont small = font();
    small.setPixelSize(captionPixels);
    painter.setFont(small);
    painter.setPen(palette().color(QPalette::Text));
    QTextOption wrapping(Qt::AlignCenter);
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere); // a long name breaks too
    painter.drawText(QRectF(box.adjusted(6, 6, -6, -6)), thumbnail.caption, wrapping);
    painter.setFont(font());
}

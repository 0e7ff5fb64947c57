#pragma once

#include <unordered_map>

#include <QAbstractScrollArea>
#include <QImage>
#include <QString>

#include "commands/CommandHandlers.h"
#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"
#include "imaging/ImageLoader.h"
#include "views/ImageSlot.h"
#include "views/ThumbnailGrid.h"

// The overview of thumbnails: the photos of the browsing order (the whole delivery, the chosen
// node, or the search's matches) as a grid, each with its serial number and title, the current
// photo framed. ↑ ↓ move by a row, the page keys by a screen; a click makes a photo current,
// Enter or a double click asks for the photo layout at it. Only the cells on screen and a
// screen ahead in the scroll direction hold thumbnails: each asks the shared pipeline for the
// camera's embedded thumbnail first and a sharper image when that is too small for the cell.
class CThumbnailView : public QAbstractScrollArea, public DocumentView, public CommandHandlers {
    Q_OBJECT

public:
    CThumbnailView(CQuillonDoc& document, ImageLoader& images, QWidget* parent = nullptr);
    ~CThumbnailView() override;

    void onUpdate(DocumentView* sender, UpdateHint hint) override;
    // The grid shows the browsing order from now on, or holds nothing while it is not shown.
    void setShown(bool shown);
    // Reads the thumbnails shown from the media again (F5).
    void reload();
    // The photos a page key moves by.
    int cellsPerPage() const;

    // What the cell of the photo at index in the browsing order shows, for tests: an image,
    // the caption that says why there is none, or nothing yet.
    QImage imageAt(int index) const;
    QString captionAt(int index) const;
    // The cell of the photo at index, in the viewport's coordinates.
    QRect cellRectOf(int index) const;
    // How many photos hold or await a thumbnail.
    std::size_t thumbnailsHeld() const { return thumbnails.size(); }

Q_SIGNALS:
    // Enter or a double click: the photo layout at the current photo.
    void photoChosen();
    // The context menu of the current photo was asked for at globalPosition.
    void photoMenuRequested(const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // One photo's cell while it is on screen or about to be.
    struct Thumbnail {
        ImageTicket ticket;
        QImage image;
        QString caption; // why there is no image, or over the image of a file cut short
        QString serialNumber;
        QString title;  // shortened to the cell's width
        int index = -1; // in the browsing order
    };

    ThumbnailGrid grid() const;
    int photoCount() const;
    const PhotoRecord& photoAt(int index) const;
    QSize imageBox() const;
    void refresh();
    void clearThumbnails();
    void updateScrollRange();
    // Scrolls the current photo's cell into view; whether that moved the grid.
    bool scrollToCurrent();
    void requestShown();
    void request(int index);
    void deliver(const PhotoRecord& photo, const ImageSlot::File& named, const DecodedFile& file);
    void moveBy(int step);
    int indexAtViewport(QPoint point) const;
    void paintCell(QPainter& painter, int index, const QRect& cell) const;
    void paintThumbnail(QPainter& painter, const Thumbnail& thumbnail, const QRect& box) const;

    CQuillonDoc& document;
    ImageLoader& images;
    std::unordered_map<const PhotoRecord*, Thumbnail> thumbnails;
    bool shown = false;
    int scrollDirection = 1; // down
};

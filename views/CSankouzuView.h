#pragma once

#include <vector>

#include <QAbstractScrollArea>

#include "commands/CommandHandlers.h"
#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"
#include "imaging/ImageLoader.h"
#include "imaging/PhotoBitmap.h"
#include "views/ImageSlot.h"
#include "views/Preloader.h"
#include "views/WhenIdle.h"

// The reference drawings of the current photo, stacked in a scrolling column, each fitted into
// a square as wide as the view. A missing drawing shows which medium holds it, a damaged one
// says it cannot be shown; a click chooses the drawing it shows, a double click on a shown
// drawing asks for it enlarged. F5 while it is active reads its drawings again.
class CSankouzuView : public QAbstractScrollArea, public DocumentView, public CommandHandlers {
    Q_OBJECT

public:
    CSankouzuView(CQuillonDoc& document, ImageLoader& images, QWidget* parent = nullptr);
    ~CSankouzuView() override;

    // F5 reloads the drawings.
    void onUpdate(DocumentView* sender, UpdateHint hint) override;

    void reload();
    int itemCount() const { return static_cast<int>(items.size()); }
    const PhotoBitmap& itemBitmap(int item) const { return items[item].bitmap; }
    QString itemCaption(int item) const { return items[item].caption; }
    int contentHeight() const { return layoutHeight; }
    // The item under a point of the viewport, or -1.
    int itemAt(QPoint point) const;

Q_SIGNALS:
    void enlargeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // One drawing of the current photo: its index in the photo's drawings, and what shows it.
    struct Item {
        int drawing;
        PhotoBitmap bitmap;
        QString caption; // while the drawing cannot be shown
        ImageSlot slot;
    };

    void requestImages();
    void sharpenImages();
    void requestImage(int item);
    void showImage(int item, const DecodedFile& file, const QString& caption);
    void addItem(int drawing, ImageSlot::File file);
    void layoutItems();
    void readAhead();
    QSize itemBox() const;

    CQuillonDoc& document;
    ImageLoader& images;
    Preloader preloader;
    std::vector<Item> items;
    int layoutHeight = 0;
    int itemWidth = 0;
    int lastIndex = -1;
    WhenIdle sharpen; // after a resize, once the size has settled for this event round
};

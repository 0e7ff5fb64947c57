#pragma once

#include <optional>

#include <QWidget>

#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"
#include "imaging/ImageLoader.h"
#include "views/CPhotoStatic.h"
#include "views/ImageSlot.h"
#include "views/ImageViewCommands.h"
#include "views/WhenIdle.h"
#include "views/ZoomedImage.h"

// The current photo, or the drawing last chosen, over the whole window less a 10-pixel margin.
// It follows every hint while hidden, so that it always knows what enlargement shows, but asks
// for the image only while shown: a step costs it no decode. A click anywhere returns. The
// image can be zoomed (wheel, + and -, 1 for 100 %, 0 to fit) and dragged; a zoomed image is
// decoded again at the resolution it is shown at, off the GUI thread.
class CImageView : public QWidget, public DocumentView, public ImageViewCommands {
    Q_OBJECT

public:
    CImageView(CQuillonDoc& document, ImageLoader& images, QWidget* parent = nullptr);
    ~CImageView() override;

    // Print and reload; the layout, open, options and tree commands are disabled.
    void onUpdate(DocumentView* sender, UpdateHint hint) override;

    void reload() override;
    // Only what is shown: an image, or the caption of a file that cannot be.
    bool canPrint() const override;
    void print() override;
    void printPage(QPainter& painter, const QRect& page) const;
    CPhotoStatic& photoControl() { return *control; }
    ZoomedImage& zoomedImage() { return *zoomed; }

Q_SIGNALS:
    void endRequested();
    // "250 %" while an image is shown, empty otherwise.
    void zoomChanged(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void addZoomCommands();
    void clearAll();
    void chooseTarget();
    void requestImage();
    void showDecoded(const DecodedFile& file, const QString& caption);
    // Shows the zoomed image or the fitted control, and asks for the image at the new scale.
    void applyZoom();
    void announceZoom();
    QPointF centreOfImage() const;

    CQuillonDoc& document;
    CPhotoStatic* control; // owned by Qt as a child, as is zoomed
    ZoomedImage* zoomed;
    ImageSlot slot;
    WhenIdle sharpen;
    std::optional<QPointF> pressedAt; // a left press of this view's own, until its release
    QPointF lastDragPoint;
    bool dragging = false;
};

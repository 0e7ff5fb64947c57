#pragma once

#include <QWidget>

#include "imaging/DecodedFile.h"
#include "views/ImageZoom.h"

// The enlarged view's image while it is zoomed: the part in view, at the zoom's scale, from
// whatever resolution is held until a sharper one arrives. Only the part in view is painted,
// so a pan costs a repaint of the window, never a decode. It takes no mouse input: the view
// under it decides what a click, a drag or the wheel does.
class ZoomedImage : public QWidget {
    Q_OBJECT

public:
    explicit ZoomedImage(QWidget* parent = nullptr);

    // Its place in the parent; also while hidden, so that zooming from the fit starts from
    // the size the fit was made for.
    void place(const QRect& geometry);

    // Another file: nothing held, fitted.
    void clear();
    // What the pipeline delivered for the file shown; a sharper image keeps the zoom.
    void showFile(const DecodedFile& file);
    bool holdsImage() const { return !held.isNull(); }
    bool holdsWholeImage() const { return holdsImage() && heldIsWhole; }

    const ImageZoom& zoom() const { return zoomed; }
    // Points and distances in the widget's own coordinates.
    void zoomBy(double factor, QPointF at);
    void showActualSize(QPointF at);
    void fit();
    void panBy(QPointF delta);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF inDevicePixels(QPointF point) const { return point * devicePixelRatioF(); }

    QImage held;
    bool heldIsWhole = false;
    ImageZoom zoomed;
};

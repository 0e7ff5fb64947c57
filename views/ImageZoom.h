#pragma once

#include <optional>

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// How the enlarged view shows an image: fitted as the photo control fits it, or at a scale of
// its own (device pixels per image pixel) with a chosen image point at the viewport's centre.
// All in device pixels of the viewport.
class ImageZoom {
public:
    static constexpr double largestScale = 16.0;

    // A new image, or a new viewport: fitted again. The viewport keeps a zoom but not its
    // image point when it only changes its size.
    void showImage(QSize wholeImage);
    void setViewport(QSizeF viewport);

    bool isFitted() const { return fitted; }
    double scale() const { return fitted ? fittedScale() : zoomScale; }
    double fittedScale() const;
    // The scale in percent, as the status bar shows it.
    int percent() const;

    void fit();
    // Scales by factor, keeping the image point under point where it is. A step that crosses
    // 100 % stops there; one that reaches the fitted scale from above fits.
    void zoomBy(double factor, QPointF point);
    // One image pixel per device pixel, around point.
    void showActualSize(QPointF point);
    // Moves the image with the pointer, never further than its edges.
    void panBy(QPointF delta);

    // Where the whole image lies in the viewport.
    QRectF imageRect() const;
    // The size to decode the whole image at to show it sharp: the scale rounded up to a
    // power of two (the reductions a JPEG decoder makes itself), never beyond the whole, and
    // never beyond largestDecode pixels, which are shown enlarged instead.
    QSize decodeSize() const;

private:
    // The photo control's fit, margins and all, so that leaving it moves nothing.
    QRectF fittedRect() const;
    void zoomTo(double scale, QPointF point);
    void keepImageInView();

    QSizeF image;
    QSizeF viewport;
    bool fitted = true;
    double zoomScale = 1.0;
    QPointF centre; // the image point at the viewport's centre, while zoomed
    struct Anchor {
        QPointF inView;
        QPointF inImage;
    };
    std::optional<Anchor> anchor; // where the last zoom steps held the image
};

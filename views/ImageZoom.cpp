#include "views/ImageZoom.h"

#include <algorithm>
#include <cmath>

#include "imaging/FitRules.h"

namespace {

// 40 megapixels: an 8-bit image of 160 MB, which the image cache can still hold.
constexpr double largestDecode = 40e6;

bool crosses(double from, double to, double mark) {
    return (from < mark && to > mark) || (from > mark && to < mark);
}

// Where a centre may lie on one axis: an image larger than the view covers it, a smaller one
// is centred in it.
double keptInView(double centre, double imageLength, double viewLength, double scale) {
    if (imageLength * scale <= viewLength)
        return imageLength / 2;
    const double half = viewLength / 2 / scale;
    return std::clamp(centre, half, imageLength - half);
}

} // namespace

void ImageZoom::showImage(QSize wholeImage) {
    image = QSizeF(wholeImage);
    fit();
}

void ImageZoom::setViewport(QSizeF size) {
    viewport = size;
    anchor.reset();
    keepImageInView();
}

void ImageZoom::fit() {
    fitted = true;
    anchor.reset();
}

QRectF ImageZoom::fittedRect() const {
    if (image.isEmpty() || viewport.isEmpty())
        return QRectF(QPointF(), image);
    const QSize whole = image.toSize();
    const QSize view = viewport.toSize();
    return fitWithMargin(whole.width(), whole.height(), view.width(), view.height()).toQRect();
}

double ImageZoom::fittedScale() const {
    if (image.isEmpty())
        return 1.0;
    const QRectF shown = fittedRect();
    return std::min(shown.width() / image.width(), shown.height() / image.height());
}

int ImageZoom::percent() const {
    return static_cast<int>(std::lround(scale() * 100));
}

void ImageZoom::zoomBy(double factor, QPointF point) {
    const double from = scale();
    double to = std::clamp(from * factor, std::min(fittedScale(), 1.0), largestScale);
    if (crosses(from, to, 1.0))
        to = 1.0;
    if (from > fittedScale() && to <= fittedScale() * 1.001) {
        fitted = true;
        return;
    }
    zoomTo(to, point);
}

void ImageZoom::showActualSize(QPointF point) {
    zoomTo(1.0, point);
}

void ImageZoom::zoomTo(double to, QPointF point) {
    if (image.isEmpty())
        return;
    // The image point under point stays there as far as the image's edges allow. Steps at
    // the same point keep to the point first chosen, so that one held back by an edge comes
    // back under the pointer once the image is large enough.
    if (!anchor || anchor->inView != point)
        anchor = Anchor{point, (point - imageRect().topLeft()) / scale()};
    const QPointF fixed = anchor->inImage;
    const QPointF fromCentre = point - QPointF(viewport.width(), viewport.height()) / 2;
    zoomScale = to;
    fitted = false;
    centre = fixed - fromCentre / to;
    keepImageInView();
}

void ImageZoom::panBy(QPointF delta) {
    if (fitted)
        return;
    anchor.reset();
    centre -= delta / zoomScale;
    keepImageInView();
}

void ImageZoom::keepImageInView() {
    if (fitted)
        return;
    centre = QPointF(keptInView(centre.x(), image.width(), viewport.width(), zoomScale),
                     keptInView(centre.y(), image.height(), viewport.height(), zoomScale));
}

QRectF ImageZoom::imageRect() const {
    if (fitted)
        return fittedRect();
    const QPointF topLeft = QPointF(viewport.width(), viewport.height()) / 2 - centre * zoomScale;
    return QRectF(topLeft, image * zoomScale);
}

QSize ImageZoom::decodeSize() const {
    const double rounded = std::min(1.0, std::exp2(std::ceil(std::log2(scale()))));
    const double limited =
        std::min(rounded, std::sqrt(largestDecode / (image.width() * image.height())));
    const QSizeF decoded = image * limited;
    return QSize(int(decoded.width()), int(decoded.height())).expandedTo(QSize(1, 1));
}

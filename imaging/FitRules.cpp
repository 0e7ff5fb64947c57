#include "imaging/FitRules.h"

namespace {

// Conversions to pixels truncate toward zero, as the layouts always have.
int truncated(double value) {
    return static_cast<int>(value);
}

} // namespace

BoxRect fitCentered(int width, int height, const BoxRect& box) {
    const double w = width;
    const double h = height;
    const double boxWidth = box.width();
    const double boxHeight = box.height();
    const double s = boxWidth / w;
    BoxRect fitted;
    if (h * s <= boxHeight) {
        fitted.left = box.left;
        fitted.right = truncated(box.left + w * s);
        fitted.top = box.top + truncated((boxHeight - h * s) / 2);
        fitted.bottom = truncated(fitted.top + h * s);
    } else {
        const double t = boxHeight / h;
        fitted.left = box.left + truncated((boxWidth - w * t) / 2);
        fitted.right = truncated(fitted.left + w * t);
        fitted.top = box.top;
        fitted.bottom = truncated(box.top + h * t);
    }
    return fitted;
}

BoxRect fitWithMargin(int width, int height, int clientWidth, int clientHeight) {
    const double w = width;
    const double h = height;
    const double s = clientWidth / w;
    BoxRect fitted;
    if (h * s <= clientHeight) {
        fitted.left = 4;
        fitted.right = truncated(w * s) - 4;
        fitted.top = 4 + truncated((clientHeight - h * s) / 2);
        fitted.bottom = truncated(h * s + fitted.top) - 4;
    } else {
        const double t = clientHeight / h;
        fitted.left = 4 + truncated((clientWidth - w * t) / 2);
        fitted.right = truncated(w * t + fitted.left) - 4;
        fitted.top = 4;
        fitted.bottom = truncated(h * t) - 4;
    }
    return fitted;
}

bool containsPoint(const BoxRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

QSize fittedCenteredSize(QSize imageSize, QSize boxSize) {
    const BoxRect fitted = fitCentered(imageSize.width(), imageSize.height(),
                                       {0, 0, boxSize.width(), boxSize.height()});
    return QSize(fitted.width(), fitted.height()).expandedTo(QSize(1, 1));
}

QSize fittedWithMarginSize(QSize imageSize, QSize clientSize) {
    const BoxRect fitted = fitWithMargin(imageSize.width(), imageSize.height(), clientSize.width(),
                                         clientSize.height());
    return QSize(fitted.width(), fitted.height()).expandedTo(QSize(1, 1));
}

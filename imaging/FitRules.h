#pragma once

#include <QRect>

// A rectangle as the fit rules compute it: right and bottom lie just outside.
struct BoxRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QRect toQRect() const { return QRect(left, top, width(), height()); }
    static BoxRect fromQRect(const QRect& rect) {
        return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    }
    bool operator==(const BoxRect&) const = default;
};

// An image of width × height scaled to fill box on its limiting axis and centred on the
// other, proportions kept. Width ties take the width branch. Requires width, height > 0.
BoxRect fitCentered(int width, int height, const BoxRect& box);

// The photo control's fit: the limiting axis keeps 4 pixels at both ends, the centred axis
// moves its start in by 4. Coordinates relative to the client origin.
BoxRect fitWithMargin(int width, int height, int clientWidth, int clientHeight);

// The sizes the fit rules paint an image of imageSize at in a box or client area of that size.
QSize fittedCenteredSize(QSize imageSize, QSize boxSize);
QSize fittedWithMarginSize(QSize imageSize, QSize clientSize);

// Left and top inside, right and bottom outside.
bool containsPoint(const BoxRect& rect, int x, int y);

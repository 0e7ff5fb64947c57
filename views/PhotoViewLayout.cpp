#include "views/PhotoViewLayout.h"

namespace {

int truncated(double value) {
    return static_cast<int>(value);
}

} // namespace

PhotoViewLayout photoViewLayout(int width, int height, bool fourPhotos) {
    const double usable = height - 40;
    const double topBand = 0.1 * usable;
    const double photoBand = 0.7 * usable;
    const double bottomBand = 0.2 * usable;
    const int photoTop = truncated(topBand + 20);

    PhotoViewLayout layout;
    layout.headingFontHeight = height / 24;
    layout.descriptionFontHeight = height / 30;
    layout.heading = QRect(10, 10, width - 20, truncated(topBand));
    if (fourPhotos) {
        const int cellWidth = (width - 30) / 2;
        const int cellHeight = truncated((photoBand - 30) * 0.5);
        const int lowerTop = truncated(cellHeight + topBand + 30);
        layout.cells = {QRect(10, photoTop, cellWidth, cellHeight),
                        QRect(cellWidth + 20, photoTop, cellWidth, cellHeight),
                        QRect(10, lowerTop, cellWidth, cellHeight),
                        QRect(cellWidth + 20, lowerTop, cellWidth, cellHeight)};
    } else {
        layout.cells[0] = QRect(10, photoTop, width - 20, truncated(photoBand));
    }
    layout.description =
        QRect(10, truncated(photoBand + topBand + 30), width - 20, truncated(bottomBand));
    return layout;
}

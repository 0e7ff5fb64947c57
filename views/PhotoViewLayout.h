#pragma once

#include <array>

#include <QRect>

// Where the four-photo view puts its parts in a client area of width × height: the heading
// in the top tenth, the photos in the next seven tenths, the description in the rest.
struct PhotoViewLayout {
    QRect heading;
    std::array<QRect, 4> cells; // in the single layout only the first is used
    QRect description;
    int headingFontHeight = 0;
    int descriptionFontHeight = 0;
};

PhotoViewLayout photoViewLayout(int width, int height, bool fourPhotos);

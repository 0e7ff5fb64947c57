#pragma once

#include <QRect>

// Where the construction information view puts its three texts in a client area of
// width × height: the number top right in a fifth of the width, the title across the middle
// quarter of the height, the parties in the bottom fifth. Font heights are character cell
// heights; 0 asks for the default size.
struct ConstInfoLayout {
    QRect number;
    QRect title;
    QRect parties;
    int titleFontHeight = 0;
    int smallFontHeight = 0;
};

ConstInfoLayout constInfoLayout(int width, int height);

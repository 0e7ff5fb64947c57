#include "views/ConstInfoLayout.h"

ConstInfoLayout constInfoLayout(int width, int height) {
    ConstInfoLayout layout;
    layout.titleFontHeight = height / 24;
    layout.smallFontHeight = height / 36;
    layout.number = QRect(width - width / 5, 10, width / 5 - 10, height / 10);
    layout.title = QRect(10, (height - height / 4) / 2, width - 20, height / 4);
    layout.parties = QRect(10, height - height / 5 - 10, width - 20, height / 5);
    return layout;
}

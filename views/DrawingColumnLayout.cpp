#include "views/DrawingColumnLayout.h"

#include <algorithm>

DrawingColumnLayout drawingColumnLayout(int width, int items) {
    DrawingColumnLayout layout;
    layout.itemWidth = std::max(width, 50);
    int y = 0;
    for (int item = 0; item < items; ++item) {
        y += 10;
        const BoxRect box{10, y, layout.itemWidth - 10, layout.itemWidth + y - 20};
        layout.boxes.push_back(box);
        y += box.height();
    }
    layout.contentHeight = y + 10;
    return layout;
}

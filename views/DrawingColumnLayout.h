#pragma once

#include <vector>

#include "imaging/FitRules.h"

// The drawing column's geometry for a view width: squares of side itemWidth − 20, 10 pixels
// from the left and 10 below each other; the width counts as at least 50.
struct DrawingColumnLayout {
    int itemWidth = 0;
    std::vector<BoxRect> boxes;
    int contentHeight = 0; // 10 + n · (itemWidth − 10)
};

DrawingColumnLayout drawingColumnLayout(int width, int items);

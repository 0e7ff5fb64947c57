#pragma once

#include <utility>

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the cells of the overview of thumbnails stand: rows of as many cells as the width
// holds (at least one), centred, filled left to right and top to bottom. Coordinates are the
// grid's own, the first row's top at 0.
class ThumbnailGrid {
public:
    ThumbnailGrid(int width, QSize cell);

    int columns() const { return columnCount; }
    int contentHeight(int count) const;
    QRect cellRect(int index) const;
    // The cell under point, or -1 between and beyond the cells.
    int indexAt(QPoint point, int count) const;
    // The cells of the rows any part of which lies from top to top + height: the first, and
    // one past the last.
    std::pair<int, int> cellsIn(int top, int height, int count) const;
    // The cells of the rows a view of height shows whole, at least one row: a page step.
    int cellsPerPage(int height) const;

private:
    QSize cell;
    int columnCount;
    int left; // the margin that centres the rows
};

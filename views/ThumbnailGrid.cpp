#include "views/ThumbnailGrid.h"

#include <algorithm>

ThumbnailGrid::ThumbnailGrid(int width, QSize cell)
    : cell(cell), columnCount(std::max(1, width / cell.width())),
      left(std::max(0, (width - columnCount * cell.width()) / 2)) {}

int ThumbnailGrid::contentHeight(int count) const {
    const int rows = (count + columnCount - 1) / columnCount;
    return rows * cell.height();
}

QRect ThumbnailGrid::cellRect(int index) const {
    return {QPoint(left + index % columnCount * cell.width(), index / columnCount * cell.height()),
            cell};
}

int ThumbnailGrid::indexAt(QPoint point, int count) const {
    if (point.x() < left || point.y() < 0)
        return -1;
    const int column = (point.x() - left) / cell.width();
    const int index = point.y() / cell.height() * columnCount + column;
    return column < columnCount && index < count ? index : -1;
}

std::pair<int, int> ThumbnailGrid::cellsIn(int top, int height, int count) const {
    const int firstRow = std::max(0, top) / cell.height();
    const int endRow = (std::max(0, top + height) + cell.height() - 1) / cell.height();
    return {std::min(count, firstRow * columnCount), std::min(count, endRow * columnCount)};
}

int ThumbnailGrid::cellsPerPage(int height) const {
    return std::max(1, height / cell.height()) * columnCount;
}

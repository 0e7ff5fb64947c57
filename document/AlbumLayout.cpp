#include "document/AlbumLayout.h"

#include <algorithm>

namespace {

// Millimetres, as an album is designed on paper.
constexpr double sideMargin = 15;
constexpr double topMargin = 12;
constexpr double headerHeight = 10;
constexpr double footerHeight = 8;
constexpr double bandGap = 5;
constexpr double columnGap = 5;
constexpr double photoShare = 0.58; // of the width inside the margins
constexpr double textHeight = 4.2;  // about 9 points with its leading

} // namespace

AlbumPageLayout albumPageLayout(double pageWidth, double pageHeight, double dpi,
                                int photosPerPage) {
    const double unit = dpi / 25.4; // page units per millimetre
    const int bands = std::clamp(photosPerPage, 1, 3);
    const double left = sideMargin * unit;
    const double width = pageWidth - 2 * left;
    AlbumPageLayout layout;
    layout.header = {left, topMargin * unit, width, headerHeight * unit};
    layout.footer = {left, pageHeight - (topMargin + footerHeight) * unit, width,
                     footerHeight * unit};
    const double top = layout.header.bottom() + bandGap * unit;
    const double bandHeight =
        (layout.footer.top - top - (bands - 1) * bandGap * unit - bandGap * unit) / bands;
    const double photoWidth = width * photoShare;
    for (int band = 0; band < bands; ++band) {
        const double bandTop = top + band * (bandHeight + bandGap * unit);
        const double textLeft = left + photoWidth + columnGap * unit;
        layout.bands.push_back({{left, bandTop, photoWidth, bandHeight},
                                {textLeft, bandTop, left + width - textLeft, bandHeight}});
    }
    layout.textHeight = textHeight * unit;
    return layout;
}

int albumPageCount(int photos, int photosPerPage) {
    const int perPage = std::clamp(photosPerPage, 1, 3);
    return (std::max(photos, 0) + perPage - 1) / perPage;
}

std::vector<int> allotLines(const std::vector<int>& wanted, int available) {
    std::vector<int> lines = wanted;
    int total = 0;
    for (int& count : lines) {
        count = std::max(count, 1);
        total += count;
    }
    while (total > available) {
        // Of equally long ones the later gives up a line: the title keeps more than remarks.
        const auto longest = std::max_element(lines.rbegin(), lines.rend());
        if (*longest <= 1)
            break;
        --*longest;
        --total;
    }
    for (auto line = lines.rbegin(); line != lines.rend() && total > available; ++line) {
        total -= *line;
        *line = 0;
    }
    return lines;
}

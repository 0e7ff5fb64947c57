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

namespace {

// The photo's width, of the width inside the margins, by photos per page: three leave their
// particulars a column beside; two take more of the width, their bands being taller; one
// stands across the page with its particulars below.
constexpr double photoShares[] = {1.0, 0.68, photoShare};

// One photo's band from top to height: the photo as large as 4:3 allows in it, its
// particulars beside it, or below it when the photo takes the whole width.
AlbumBand bandAt(double left, double width, double top, double height, double share, double gap) {
    const double photoWidth = width * share;
    const double photoHeight = std::min(height, photoWidth * 3 / 4);
    if (share >= 1.0)
        return {{left, top, photoWidth, photoHeight},
                {left, top + photoHeight + gap, width, height - photoHeight - gap}};
    const double textLeft = left + photoWidth + gap;
    return {{left, top, photoWidth, photoHeight}, {textLeft, top, left + width - textLeft, height}};
}

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
    for (int band = 0; band < bands; ++band)
        layout.bands.push_back(bandAt(left, width, top + band * (bandHeight + bandGap * unit),
                                      bandHeight, photoShares[bands - 1], columnGap * unit));
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

#pragma once

#include <vector>

// A rectangle on a page, in the page's own units.
struct PageBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// Where everything stands on a page of the photo album, in the page's own units at dpi dots
// per inch: the header, the footer and, from top to bottom, one band per photo. A band holds
// the photo's box, 4:3 at its top left, and its particulars: a column on its right at two and
// three photos per page, the band below the photo at one.
struct AlbumBand {
    PageBox photo;
    PageBox particulars;
};

struct AlbumPageLayout {
    PageBox header;
    PageBox footer;
    std::vector<AlbumBand> bands;
    double textHeight = 0; // the particulars' font: one line's height
};

AlbumPageLayout albumPageLayout(double pageWidth, double pageHeight, double dpi, int photosPerPage);

// The pages an album of photos takes.
int albumPageCount(int photos, int photosPerPage);

// How many lines each of the particulars gets in a column of available lines when they want
// wanted: all they want when that fits; else the longest give up lines first, none below
// one, and when even one each does not fit the last ones get none.
std::vector<int> allotLines(const std::vector<int>& wanted, int available);

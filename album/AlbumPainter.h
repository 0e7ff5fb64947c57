#pragma once

#include <vector>

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

// One photo of an album page: its particulars, and its image or the caption that says why
// there is none.
struct AlbumEntry {
    struct Particular {
        QString label;
        QString text;
    };
    std::vector<Particular> particulars;
    QImage image;
    QString caption; // in place of a missing image, or over the image of a file cut short
};

// What one page of the album shows.
struct AlbumPage {
    QString constructionName;
    QString classification; // of the page's first photo
    int number = 1;         // from 1
    int count = 1;
    std::vector<AlbumEntry> entries; // at most the photos per page
};

// Paints page on a device of pageSize units at dpi dots per inch, photosPerPage bands to a
// page; returns how many particulars had to be shortened with "…" to stay in their band.
int paintAlbumPage(QPainter& painter, QSizeF pageSize, double dpi, int photosPerPage,
                   const AlbumPage& page);

// The box each photo of a page is fitted into, in the page's units.
QSizeF albumPhotoBox(QSizeF pageSize, double dpi, int photosPerPage);

// Paints the album's cover (表紙) on a device of pageSize units at dpi dots per inch: the
// title 工事写真帳 and items, a label and a value each, in a ruled table below it.
void paintAlbumCover(QPainter& painter, QSizeF pageSize, double dpi,
                     const std::vector<AlbumEntry::Particular>& items);

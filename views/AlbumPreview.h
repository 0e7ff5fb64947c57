#pragma once

#include <vector>

#include <QWidget>

#include "album/AlbumPainter.h"
#include "document/AlbumContent.h"
#include "document/CQuillonDoc.h"
#include "imaging/ImageLoader.h"

// The first two pages of an album as they will print, side by side, painted by the album's
// own painter; their photos come from the shared image pipeline as they are ready.
class AlbumPreview : public QWidget {
public:
    AlbumPreview(const CQuillonDoc& document, ImageLoader& images, QWidget* parent = nullptr);

    // Shows the album of scope, photosPerPage to a page.
    void showAlbum(AlbumScope scope, int photosPerPage);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double previewDpi() const;
    QSizeF pageSize() const;
    // The first pages at the size they are shown, their photos asked for at that size.
    void showPages();

    const CQuillonDoc& document;
    ImageLoader& images;
    PhotoList photos; // the album's, in order
    int perPage = 3;
    std::vector<AlbumPage> shown;
    std::vector<ImageTicket> tickets;
};

#include "views/AlbumPreview.h"

#include <QPainter>

#include "album/AlbumWriter.h"
#include "views/ImageSlot.h"

namespace {

constexpr int previewPages = 2;
constexpr double a4Width = 210 / 25.4; // inches
constexpr double a4Height = 297 / 25.4;
constexpr int gap = 12;

} // namespace

AlbumPreview::AlbumPreview(const CQuillonDoc& document, ImageLoader& images, QWidget* parent)
    : QWidget(parent), document(document), images(images) {
    setMinimumSize(440, 320);
}

double AlbumPreview::previewDpi() const {
    const double byHeight = (height() - 2 * gap) / a4Height;
    const double byWidth = (width() - (previewPages + 1) * gap) / (previewPages * a4Width);
    return std::max(1.0, std::min(byHeight, byWidth));
}

QSizeF AlbumPreview::pageSize() const {
    return QSizeF(a4Width, a4Height) * previewDpi();
}

void AlbumPreview::showAlbum(AlbumScope scope, int photosPerPage) {
    perPage = photosPerPage;
    albumPhotos(document, scope, photos);
    showPages();
}

void AlbumPreview::showPages() {
    tickets.clear();
    shown.clear();
    const int count = int(photos.size());
    const QSize box =
        (albumPhotoBox(pageSize(), previewDpi(), perPage) * devicePixelRatio()).toSize();
    for (int first = 0; first < count && int(shown.size()) < previewPages; first += perPage) {
        AlbumPage& page = shown.emplace_back(
            albumPageOf(photos, first, perPage, constructionNameOf(document.photoData())));
        for (int i = 0; i < int(page.entries.size()); ++i) {
            const ImageSlot::File file =
                ImageSlot::photoFile(document, photos[std::size_t(first + i)]);
            const std::size_t pageIndex = shown.size() - 1;
            tickets.push_back(images.request(
                file, box,
                [this, pageIndex, i, name = file.name,
                 medium = file.medium](const DecodedFile& decoded) {
                    showImage(shown[pageIndex].entries[std::size_t(i)], decoded, name, medium);
                    update();
                },
                fitInside));
        }
    }
    update();
}

void AlbumPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QSizeF page = pageSize();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        painter.save();
        painter.translate(gap + double(i) * (page.width() + gap), gap);
        painter.fillRect(QRectF(QPointF(0, 0), page), Qt::white);
        paintAlbumPage(painter, page, previewDpi(), perPage, shown[i]);
        painter.restore();
    }
}

void AlbumPreview::resizeEvent(QResizeEvent*) {
    // The photos again at the pages' new size: from the cache, sharper when it grew.
    if (!shown.empty())
        showPages();
}

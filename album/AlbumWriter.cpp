#include "album/AlbumWriter.h"

#include <cerrno>
#include <cmath>
#include <deque>
#include <future>

#include <QBuffer>
#include <QDate>
#include <QImageWriter>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "album/AlbumPainter.h"
#include "album/SaveFailure.h"
#include "document/AlbumContent.h"
#include "document/AlbumLayout.h"
#include "imaging/DecodedFile.h"
#include "imaging/FileCaption.h"
#include "media/DeliveryFiles.h"
#include "work/WorkService.h"

namespace {

constexpr double imageDpi = 300;
constexpr int pagesAhead = 2;
// What one photo may take in the file, so that an album of a thousand can be mailed.
constexpr qint64 imageBytes = 240 * 1024;
// The JPEG quality Qt's PDF writer stores photos at; it cannot be chosen.
constexpr int pdfJpegQuality = 94;

// image, or a reduction of it that takes no more than imageBytes in the PDF: a detailed photo
// prints a little below 300 dpi rather than making the file too large to send.
QImage withinFileBudget(const QImage& image) {
    if (image.isNull())
        return image;
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(pdfJpegQuality);
    if (!writer.write(image) || jpeg.size() <= imageBytes)
        return image;
    const double scale = std::sqrt(double(imageBytes) / double(jpeg.size()));
    return image.scaled((QSizeF(image.size()) * scale).toSize(), Qt::KeepAspectRatio,
                        Qt::SmoothTransformation);
}

// Decodes the album's photos in order, a few pages ahead of the page being painted.
class AheadDecodes {
public:
    AheadDecodes(const AlbumSource& source, QSize box, int photosPerPage)
        : source(source), box(box), window(pagesAhead * photosPerPage) {
        fill();
    }

    DecodedFile next() {
        DecodedFile file;
        try {
            file = running.front().get();
        } catch (const std::future_error&) {
            // Dropped by the service: the program is leaving, and the album with it.
        }
        running.pop_front();
        fill();
        return file;
    }

private:
    void fill() {
        while (running.size() < std::size_t(window) && started < source.photos.size()) {
            const PhotoRecord& photo = source.photos[started++];
            auto decode = std::make_shared<std::packaged_task<DecodedFile()>>(
                [path = fileInFolder(source.photoFolder, photo.slots[PhotoSlot::FileName]),
                 medium = photo.slots[PhotoSlot::MediaNumber], box = box,
                 discs = source.otherDiscs] {
                    DecodedFile file = decodeMediaFile({path, medium, discs}, box, fitInside,
                                                       EmbeddedThumbnail::Ignore);
                    file.image = withinFileBudget(file.image);
                    return file;
                });
            running.push_back(decode->get_future());
            if (source.work)
                source.work->run(WorkLane::Background, [decode] { (*decode)(); });
            else
                (*decode)();
        }
    }

    const AlbumSource& source;
    QSize box;
    int window;
    std::size_t started = 0;
    std::deque<std::future<DecodedFile>> running;
};

} // namespace

AlbumSource albumSourceFor(const Delivery& delivery, const PhotoList& photos, int photosPerPage,
                           WorkService* work) {
    AlbumSource source;
    source.photos.shareFrom(photos);
    source.photoFolder = delivery.folders.photos;
    source.otherDiscs = delivery.otherDiscs;
    source.constructionName = constructionNameOf(delivery.data);
    source.photosPerPage = photosPerPage;
    source.work = work;
    return source;
}

void addAlbumCover(AlbumSource& source, const PhotoDataSet& data, std::string_view scope) {
    source.cover = albumCoverItems(data, scope, source.photos.size(),
                                   QDate::currentDate().toString(Qt::ISODate).toStdString());
}

AlbumOutcome paintAlbum(const AlbumSource& source, QPainter& painter, QPagedPaintDevice& device,
                        const AlbumProgress& progress) {
    const QSizeF pageSize(device.width(), device.height());
    const double dpi = device.logicalDpiX();
    const int perPage = std::clamp(source.photosPerPage, 1, 3);
    const QSize box = (albumPhotoBox(pageSize, dpi, perPage) * imageDpi / dpi).toSize();
    const int total = int(source.photos.size());
    AlbumOutcome outcome;
    if (!source.cover.empty()) {
        std::vector<AlbumEntry::Particular> items;
        for (const AlbumParticular& item : source.cover)
            items.push_back({QString::fromUtf8(item.label), QString::fromStdString(item.text)});
        paintAlbumCover(painter, pageSize, dpi, items);
        ++outcome.pages;
    }
    AheadDecodes decodes(source, box, perPage);
    for (int first = 0; first < total; first += perPage) {
        AlbumPage page = albumPageOf(source.photos, first, perPage, source.constructionName);
        for (int index = first; index < first + int(page.entries.size()); ++index) {
            const PhotoRecord& photo = source.photos[std::size_t(index)];
            showImage(page.entries[std::size_t(index - first)], decodes.next(),
                      photo.slots[PhotoSlot::FileName], photo.slots[PhotoSlot::MediaNumber]);
            if (!progress(index + 1, total))
                return outcome;
        }
        if (outcome.pages > 0)
            device.newPage();
        outcome.shortened += paintAlbumPage(painter, pageSize, dpi, perPage, page);
        ++outcome.pages;
    }
    outcome.complete = true;
    return outcome;
}

AlbumOutcome saveAlbumPdf(const AlbumSource& source, const QString& path,
                          const AlbumProgress& progress, QString* error) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = saveFailure(file, errno);
        return {};
    }
    AlbumOutcome outcome;
    {
        QPdfWriter writer(&file);
        writer.setResolution(int(imageDpi));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QString::fromStdString(source.constructionName));
        writer.setCreator("TESSEL");
        QPainter painter(&writer);
        outcome = paintAlbum(source, painter, writer, progress);
    } // the file is finished here
    if (!outcome.complete) {
        file.cancelWriting();
        return outcome;
    }
    errno = 0;
    if (!file.commit()) {
        if (error)
            *error = saveFailure(file, errno);
        outcome.complete = false;
    }
    return outcome;
}

AlbumPage albumPageOf(const PhotoList& photos, int first, int photosPerPage,
                      const std::string& constructionName) {
    const int count = int(photos.size());
    AlbumPage page;
    page.constructionName = QString::fromStdString(constructionName);
    page.classification = QString::fromStdString(classificationPathOf(photos[std::size_t(first)]));
    page.number = first / photosPerPage + 1;
    page.count = albumPageCount(count, photosPerPage);
    for (int index = first; index < std::min(count, first + photosPerPage); ++index) {
        AlbumEntry& entry = page.entries.emplace_back();
        for (const AlbumParticular& particular : albumParticulars(photos[std::size_t(index)]))
            entry.particulars.push_back(
                {QString::fromUtf8(particular.label), QString::fromStdString(particular.text)});
    }
    return page;
}

void showImage(AlbumEntry& entry, const DecodedFile& file, const std::string& name,
               const std::string& medium) {
    entry.image = file.isDecoded() ? file.image : QImage();
    entry.caption =
        QString::fromStdString(fileCaption(file, name, medium)); // over a file cut short
}

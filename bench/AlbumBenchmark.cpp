// The photo album of a generated delivery of 1,000 textured 1280 × 960 camera photos saved as
// PDF, three photos to an A4 page. Its wall time is reported beside the baseline measured in
// the same run, one decode of each photo at its printed size on one thread (at most 1.5×);
// the peak memory after an album of a fifth of the photos and after the whole one (which must
// not grow with the photos), and the file's size per photo (about 250 KB at the most).
//
//   album_benchmark [--photos N]

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <QGuiApplication>
#include <QLoggingCategory>

#include "album/AlbumWriter.h"
#include "bench/CameraDelivery.h"
#include "document/AlbumLayout.h"
#include "document/PhotoOrder.h"
#include "imaging/DecodedFile.h"
#include "media/DeliveryFiles.h"
#include "model/PhotoXmlReader.h"
#include "work/ThreadedWork.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The album of the first count photos, decoded ahead in work's background lane as in the
// viewer.
AlbumSource albumOf(const std::string& delivery, const PhotoDataSet& data, int count,
                    WorkService& work) {
    AlbumSource source;
    source.work = &work;
    for (int i = 0; i < count; ++i)
        source.photos.append(data.photos[std::size_t(i)]);
    sortBySerialNumber(source.photos);
    source.photoFolder = deliveryFoldersOf(delivery).photos;
    source.constructionName = "ベンチマーク工事";
    return source;
}

// Every photo of source decoded once at the size the album prints it, one after another.
double baselineSeconds(const AlbumSource& source) {
    const double dpi = 300;
    const QSizeF a4(210 / 25.4 * dpi, 297 / 25.4 * dpi);
    const QSize box = albumPhotoBox(a4, dpi, 3).toSize();
    const auto start = Clock::now();
    for (const PhotoRecord* photo : source.photos)
        decodeMediaFile(fileInFolder(source.photoFolder, photo->slots[PhotoSlot::FileName]), box);
    return secondsSince(start);
}

double albumSeconds(const AlbumSource& source, const std::string& path) {
    const auto start = Clock::now();
    if (!saveAlbumPdf(source, QString::fromStdString(path), [](int, int) { return true; }).complete)
        std::fprintf(stderr, "the album could not be written to %s\n", path.c_str());
    return secondsSince(start);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
    const int count =
        argc == 3 && std::strcmp(argv[1], "--photos") == 0 ? std::atoi(argv[2]) : 1000;
    const std::string delivery = makeCameraDelivery("album", count);
    PhotoDataSet data;
    PhotoXmlReader().load(delivery, data);
    const WorkOwner work(ThreadedWork::make());
    const AlbumSource whole = albumOf(delivery, data, count, *work);
    const AlbumSource fifth = albumOf(delivery, data, count / 5, *work);
    baselineSeconds(whole); // the files into the page cache
    const double baseline = baselineSeconds(whole);
    const std::string path = benchDataPath("album.pdf");
    albumSeconds(fifth, path);
    const long peakAfterFifth = statusKilobytes("VmHWM");
    const double album = albumSeconds(whole, path);
    const long peakAfterWhole = statusKilobytes("VmHWM");
    std::printf("photos %d\n", count);
    std::printf("baseline: each photo decoded at its printed size   %7.3f s\n", baseline);
    std::printf(
        "album saved as PDF                                 %7.3f s  %.2f× (at most 1.5×)\n", album,
        album / baseline);
    std::printf("peak memory after %d photos %.0f MB, after %d photos %.0f MB\n", count / 5,
                double(peakAfterFifth) / 1024, count, double(peakAfterWhole) / 1024);
    std::printf("file %.1f MB, %.0f KB per photo (about 250 KB at the most)\n",
                double(std::filesystem::file_size(path)) / (1 << 20),
                double(std::filesystem::file_size(path)) / 1024 / count);
    return 0;
}

// Scrolling the overview of thumbnails page by page through a generated delivery of 5,000
// textured 1280 × 960 camera photos, in the offscreen platform, with decodes on the pool as
// in the viewer. Each page is scrolled to, painted, and filled before the next one.
// Reported beside the baseline measured in the same run, one decode of a photo at the size of
// a cell: the GUI thread's processor time per thumbnail shown (at most 0.05× the baseline),
// the scroll steps before any decode arrived, and the memory held. Then an album of 300 of the
// photos is saved, as an inspector makes one after browsing: the whole process's peak memory
// must stay within one budget whatever the delivery's size (400 MB).
//
//   thumbnail_benchmark [--photos N]

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>

#include <QApplication>
#include <QLoggingCategory>
#include <QScrollBar>

#include "album/AlbumWriter.h"
#include "bench/BenchSupport.h"
#include "bench/CameraDelivery.h"
#include "bench/SettleDecodes.h"
#include "document/CQuillonDoc.h"
#include "views/CThumbnailView.h"
#include "work/ThreadedWork.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time of the calling thread: what the GUI thread spends, not what it waits.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

const QSize cell(160, 120);

// The mean of runs decodes of the first photos at a cell's size, as the grid would without
// the embedded thumbnail, or with it.
double decodeMilliseconds(const std::string& delivery, EmbeddedThumbnail thumbnail) {
    const std::string folder = std::filesystem::path(delivery).parent_path() / "PIC" / "";
    const int runs = 40;
    const auto start = Clock::now();
    for (int run = 0; run < runs; ++run) {
        const std::string file = folder + "P000000" + std::to_string(run % 8 + 1) + ".JPG";
        decodeMediaFile(file, cell, fitInside, thumbnail);
    }
    return millisecondsSince(start) / runs;
}

struct Overview {
    SilentHost host;
    CQuillonDoc document{host};
    WorkOwner work{ThreadedWork::make()};
    ImageLoader images{decodesIn(*work)};
    CThumbnailView view{document, images};

    explicit Overview(const std::string& path) {
        view.resize(1200, 900);
        view.show();
        document.OnOpenDocument(path);
        document.sendInitialUpdate();
        view.setShown(true);
        settle();
    }

    void settle() { settleDecodes(images); }
};

// The album of the first photos of the overview's delivery, saved as the viewer saves it.
void saveAlbumOf(Overview& overview, int photos) {
    AlbumSource source;
    for (int i = 0; i < photos; ++i)
        source.photos.append(overview.document.photoData().photos[std::size_t(i)]);
    source.photoFolder = overview.document.delivery().folders.photos;
    source.work = &*overview.work;
    const QString path = QString::fromStdString(benchDataPath("thumbnails-album.pdf"));
    if (!saveAlbumPdf(source, path, [](int, int) { return true; }).complete)
        std::fprintf(stderr, "the album could not be written to %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
    const int count =
        argc == 3 && std::strcmp(argv[1], "--photos") == 0 ? std::atoi(argv[2]) : 5000;
    const std::string delivery = makeCameraDelivery("thumbnails", count);
    decodeMilliseconds(delivery, EmbeddedThumbnail::Ignore); // the files into the page cache
    const double baseline = decodeMilliseconds(delivery, EmbeddedThumbnail::Ignore);
    const double embedded = decodeMilliseconds(delivery, EmbeddedThumbnail::Accept);

    Overview overview(delivery);
    QScrollBar& bar = *overview.view.verticalScrollBar();
    const int perPage = overview.view.cellsPerPage();
    long shown = 0;
    double longestStep = 0;
    double allSteps = 0;
    int pages = 0;
    std::size_t mostHeld = 0;
    std::size_t mostCached = 0;
    const double processorStart = threadMilliseconds();
    for (; bar.value() < bar.maximum(); ++pages) {
        const auto step = Clock::now();
        bar.setValue(bar.value() + bar.pageStep());
        QCoreApplication::processEvents(); // the page painted with what is held
        longestStep = std::max(longestStep, millisecondsSince(step));
        allSteps += millisecondsSince(step);
        overview.settle();
        shown += perPage;
        mostHeld = std::max(mostHeld, overview.view.thumbnailsHeld());
        mostCached = std::max(mostCached, overview.images.cache().bytesHeld());
    }
    const double processor = threadMilliseconds() - processorStart;
    const long peakAfterScrolling = statusKilobytes("VmHWM");
    saveAlbumOf(overview, std::min(count, 300));

    std::printf("photos %d, cells per page %d, cores %u\n", count, perPage,
                std::thread::hardware_concurrency());
    std::printf("baseline: one photo decoded at a cell's size       %8.3f ms\n", baseline);
    std::printf("its embedded thumbnail read instead                %8.3f ms  %6.3f×\n", embedded,
                embedded / baseline);
    std::printf("GUI thread per thumbnail shown (%ld shown)       %8.4f ms  %6.4f× (at most "
                "0.05×)\n",
                shown, processor / double(shown), processor / double(shown) / baseline);
    std::printf("scroll step before any decode arrived: mean       %8.3f ms  %6.3f×\n",
                allSteps / pages, allSteps / pages / baseline);
    std::printf("                                       longest    %8.3f ms  %6.3f×\n", longestStep,
                longestStep / baseline);
    std::printf("thumbnails held at most %zu; cache at most %.1f MB of %.0f MB\n", mostHeld,
                double(mostCached) / (1 << 20), double(ImageCache::defaultBudget) / (1 << 20));
    std::printf("peak RSS after scrolling %.0f MB, after an album of %d photos %.0f MB (at most "
                "400 MB)\n",
                double(peakAfterScrolling) / 1024, std::min(count, 300),
                double(statusKilobytes("VmHWM")) / 1024);
    return 0;
}

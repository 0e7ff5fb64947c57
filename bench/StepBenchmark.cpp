// Stepping through a delivery as a user does, in the offscreen platform: the GUI thread's
// time for a step inside a page, for a step to a page read ahead, for page steps at key-repeat
// pace, the peak memory over 1,000 photos, the time from open to the first page shown, and
// the steps again while the check of 5,000 photos runs.
// Each time is reported beside a baseline measured in the same run: one reduced decode of one
// photo at the size of a four-photo cell.
//
//   step_benchmark [--quick | --during-check]

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <QApplication>
#include <QElapsedTimer>

#include "bench/BenchData.h"
#include "bench/BenchSupport.h"
#include "bench/SettleDecodes.h"
#include "document/CQuillonDoc.h"
#include "imaging/ImageDecoder.h"
#include "jobs/CheckRun.h"
#include "model/PhotoXmlReader.h"
#include "tools/sample/SampleDelivery.h"
#include "tools/sample/SampleImages.h"
#include "tools/sample/TextEncoding.h"
#include "views/CPhotoView.h"
#include "work/ThreadedWork.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int distinctPhotos = 8; // the others are hard links to these: real files, little disk
const QSize window(1200, 900);

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A delivery of count textured photos of size; made once and kept in the build tree.
std::string makeDelivery(int count, QSize size) {
    const fs::path folder =
        benchDataPath("step-" + std::to_string(count) + "-" + std::to_string(size.width()) + "x" +
                      std::to_string(size.height()));
    const fs::path xml = folder / "PHOTO.XML";
    if (fs::exists(xml))
        return xml.string();
    fs::create_directories(folder / "PIC");
    std::vector<SamplePhoto> photos = makeSamplePhotos(count);
    for (std::size_t i = 0; i < photos.size(); ++i) {
        const fs::path file = folder / "PIC" / photos[i].fileName;
        if (i < distinctPhotos)
            writeSamplePhoto(QString::fromStdString(file.string()), photos[i].serialNumber, "",
                             size, PhotoContent::Textured);
        else
            fs::create_hard_link(folder / "PIC" / photos[i % distinctPhotos].fileName, file);
    }
    std::ofstream(xml, std::ios::binary)
        << encodeUtf8As(samplePhotoXml(photos, "Shift_JIS"), "CP932");
    return xml.string();
}

// The viewer's four-photo view on one delivery, shown in a window, with its own pipeline.
struct Viewer {
    SilentHost host;
    CQuillonDoc document{host};
    WorkOwner work{ThreadedWork::make()};
    ImageLoader images{decodesIn(*work)};
    CPhotoView view{document, images};

    Viewer() {
        view.resize(window);
        view.show();
        document.OnTogglePhotoLayout();
        QCoreApplication::processEvents(); // the window's first paint, before any file
    }

    explicit Viewer(const std::string& path) : Viewer() { open(path); }

    // The open as the application runs it, and the paint of its page: heading, details,
    // and the photos that are ready.
    void open(const std::string& path) {
        document.OnOpenDocument(path);
        document.sendInitialUpdate();
        QCoreApplication::processEvents();
    }

    bool pageShown() {
        for (int position = 0; position < 4; ++position) {
            if (view.photoIndexAt(position) != -1 && !view.photoControl(position).showsImage())
                return false;
        }
        return true;
    }

    void settle() { settleDecodes(images); }

    // GUI-thread time of one step and of painting it; handling adds the step alone.
    double timedStep(int index, double* handling = nullptr) {
        const auto start = Clock::now();
        document.goToPhoto(index, nullptr);
        if (handling)
            *handling += millisecondsSince(start);
        QCoreApplication::processEvents();
        return millisecondsSince(start);
    }
};

double baselineDecode(const std::string& delivery, QSize cell) {
    const QString photo = QString::fromStdString(
        (fs::path(delivery).parent_path() / "PIC" / "P0000001.JPG").string());
    decodeImage(photo, cell); // the file into the page cache
    const int runs = 10;
    const auto start = Clock::now();
    for (int run = 0; run < runs; ++run)
        decodeImage(photo, cell);
    return millisecondsSince(start) / runs;
}

void report(const char* what, double value, double baseline, const char* target) {
    std::printf("  %-52s %8.3f ms  %6.3f× baseline  %s%s\n", what, value, value / baseline,
                *target ? "target " : "", target);
}

struct StepTimes {
    double insidePage = 0;
    double insidePageHandling = 0;
    double nextPage = 0;
    double nextPageHandling = 0;
};

// The average times of steps inside a page and to the next page, each from a settled page.
StepTimes timeSteps(Viewer& viewer, int firstPage, int pages) {
    StepTimes times;
    for (int page = firstPage; page < firstPage + pages; ++page) {
        viewer.settle();
        times.insidePage += viewer.timedStep(page * 4 + 1, &times.insidePageHandling) / pages;
        viewer.settle();
        times.nextPage += viewer.timedStep(page * 4 + 4, &times.nextPageHandling) / pages;
    }
    return times;
}

// Opens a viewer on a delivery of photos of photoSize, waits until its page and the read-ahead
// are shown, and measures the baseline.
double settledBaseline(Viewer& viewer, int photos, QSize photoSize) {
    const std::string delivery = makeDelivery(photos, photoSize);
    viewer.open(delivery);
    viewer.settle();
    const QSize cell = viewer.view.photoControl(0).imageBox();
    const double baseline = baselineDecode(delivery, cell);
    std::printf("%d×%d photos, cell %d×%d: baseline %.3f ms\n", photoSize.width(),
                photoSize.height(), cell.width(), cell.height(), baseline);
    return baseline;
}

void measureSteps(QSize photoSize, int photos) {
    Viewer viewer;
    const double baseline = settledBaseline(viewer, photos, photoSize);

    const int pages = 10;
    const StepTimes times = timeSteps(viewer, 0, pages);
    report("step inside a page, painted", times.insidePage, baseline, "≤ 0.05×");
    report("  of which the step before painting", times.insidePageHandling, baseline, "");
    report("step to the next page read ahead, painted", times.nextPage, baseline, "≤ 0.1×");
    report("  of which the step before painting", times.nextPageHandling, baseline, "");

    // Key repeat: a page step every 33 ms; the GUI thread's busy time per photo shown.
    viewer.settle();
    const int steps = 30;
    double busy = 0;
    for (int step = 0; step < steps; ++step) {
        const auto tick = Clock::now();
        busy += viewer.timedStep((pages + step) * 4 % photos);
        while (millisecondsSince(tick) < 33) {
            const auto start = Clock::now();
            QCoreApplication::processEvents();
            busy += millisecondsSince(start);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    report("page steps at key repeat, per photo shown", busy / (steps * 4), baseline, "≤ 1×");
}

// The same steps while the check of the whole delivery runs on the workers: the viewer must
// not freeze.
void measureStepsDuringCheck(QSize photoSize, int photos) {
    Viewer viewer;
    const double baseline = settledBaseline(viewer, photos, photoSize);
    const int pages = 10;
    const StepTimes quiet = timeSteps(viewer, 0, pages);
    CheckRun check(viewer.document, *viewer.work);
    const auto start = Clock::now();
    check.start(); // on the GUI thread: the data is taken with a share of its records
    report("starting the check", millisecondsSince(start), baseline, "");
    const StepTimes during = timeSteps(viewer, pages, pages);
    const std::size_t probed = check.filesDone();
    const bool ranThroughout = check.running();
    check.cancel();
    std::printf("  a check of %d photos ran %s the steps (%zu files probed meanwhile)\n", photos,
                ranThroughout ? "throughout" : "NOT throughout", probed);
    const auto compare = [&](const char* what, double quietTime, double duringTime) {
        report(what, duringTime, baseline, "");
        std::printf("  %-52s %8.3f ms  %6.3f× the same step without a check (target ≤ 1.5×)\n", "",
                    quietTime, duringTime / quietTime);
    };
    compare("step inside a page during the check, painted", quiet.insidePage, during.insidePage);
    compare("step to the next page during the check, painted", quiet.nextPage, during.nextPage);
}

void measureMemory(QSize photoSize, int photos) {
    const std::string delivery = makeDelivery(photos, photoSize);
    Viewer viewer(delivery);
    viewer.settle();
    const long before = statusKilobytes("VmRSS");
    for (int page = 0; page * 4 < photos; ++page) {
        viewer.document.goToPhoto(page * 4, nullptr);
        viewer.settle();
    }
    const long grown = statusKilobytes("VmHWM") - before;
    std::printf("  %-52s %8ld KiB (budget %zu KiB)\n", "peak memory over the open, stepping all",
                grown, ImageCache::defaultBudget / 1024);
}

void measureOpen(QSize photoSize, int photos) {
    const std::string delivery = makeDelivery(photos, photoSize);
    const auto load = [&delivery] {
        PhotoDataSet data;
        PhotoXmlReader().load(delivery, data);
    };
    load(); // the file into the page cache, as it is for the open below
    auto start = Clock::now();
    load();
    const double loadAlone = millisecondsSince(start);
    Viewer viewer;
    start = Clock::now();
    viewer.open(delivery);
    const double toFirstPaint = millisecondsSince(start);
    while (!viewer.pageShown())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double toPhotos = millisecondsSince(start);
    std::printf("  open of %d photos: the load alone %.3f ms\n", photos, loadAlone);
    std::printf("  %-52s %8.3f ms  %6.3f× the load alone (target ≤ 1.3×)\n",
                "open to first page painted", toFirstPaint, toFirstPaint / loadAlone);
    std::printf("  %-52s %8.3f ms  %6.3f× the load alone\n", "open to its four photos shown",
                toPhotos, toPhotos / loadAlone);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string option = argc > 1 ? argv[1] : "";
    if (option == "--during-check") {
        measureStepsDuringCheck(QSize(1280, 960), 5000);
        return 0;
    }
    const bool quick = option == "--quick";
    for (const QSize size : {QSize(1280, 960), QSize(4000, 3000)}) {
        measureSteps(size, 200);
        measureOpen(size, quick ? 1000 : 10000);
    }
    measureMemory(QSize(4000, 3000), quick ? 200 : 1000);
    measureStepsDuringCheck(QSize(1280, 960), 5000);
    return 0;
}

// Hostile images: for each, the time and the peak memory that decoding it for a four-photo
// cell and for printing (the whole image) cost, beside a real 4000 × 3000 photo. Then large
// images decoded by as many threads at once as the image pipeline has workers.
//
//   bomb_benchmark

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QThread>

#include "bench/BenchData.h"
#include "imaging/DecodedFile.h"
#include "tools/sample/ImageBombs.h"
#include "tools/sample/SampleImages.h"

namespace {

void measure(const char* what, const QString& path, QSize box) {
    std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from now
    const long before = statusKilobytes("VmRSS");
    const auto start = std::chrono::steady_clock::now();
    const DecodedFile file = decodeMediaFile(path.toStdString(), box);
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    static const char* const outcomes[] = {"decoded", "missing", "undecodable", "bad name"};
    std::printf("  %-44s %-11s %9.2f ms %9ld KiB peak\n", what,
                outcomes[static_cast<int>(file.outcome)], milliseconds,
                statusKilobytes("VmHWM") - before);
}

// Each worker of the pipeline decodes one of the files whole (printing, 100 %) at once.
void measureAtOnce(const char* what, const std::vector<QString>& paths) {
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = statusKilobytes("VmRSS");
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (const QString& path : paths)
        workers.emplace_back([path] { decodeMediaFile(path.toStdString(), QSize()); });
    for (std::thread& worker : workers)
        worker.join();
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s\n  %zu at once %28s %9.2f ms %9ld KiB peak\n", what, paths.size(), "",
                milliseconds, statusKilobytes("VmHWM") - before);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const auto file = [](const char* name) { return QString::fromStdString(benchDataPath(name)); };
    writeSamplePhoto(file("bomb-baseline.jpg"), 1, "", QSize(4000, 3000), PhotoContent::Textured);
    writePngBomb(file("bomb.png"), 100000, 100000);
    writeTiffBomb(file("bomb.tif"), 100000, 100000);
    writeProgressiveJpegBomb(file("bomb.jpg"), 65000, 65000);
    writeManyPageTiff(file("bomb-pages.tif"), 10000);
    writeJpegWithHugeExif(file("bomb-exif.jpg"), 1000);
    const struct {
        const char* what;
        const char* name;
    } files[] = {{"a real 4000×3000 photo (the baseline)", "bomb-baseline.jpg"},
                 {"PNG announcing 100000×100000", "bomb.png"},
                 {"TIFF announcing 100000×100000", "bomb.tif"},
                 {"progressive JPEG announcing 65000×65000", "bomb.jpg"},
                 {"TIFF of 10000 pages", "bomb-pages.tif"},
                 {"JPEG with 1000 EXIF segments (64 MB)", "bomb-exif.jpg"}};
    for (const auto& [what, name] : files) {
        std::printf("%s\n", what);
        measure("for a four-photo cell (285×125)", file(name), QSize(285, 125));
        measure("for printing (the whole image)", file(name), QSize());
    }
    QImage scan(8000, 6000, QImage::Format_RGB32); // a scanned drawing, 192 MB decoded
    scan.fill(Qt::white);
    std::vector<QString> scans;
    for (int worker = 0; worker < std::max(2, QThread::idealThreadCount()); ++worker) {
        scans.push_back(file(("bomb-scan-" + std::to_string(worker) + ".png").c_str()));
        if (!QFile::exists(scans.back()))
            scan.save(scans.back(), "png");
    }
    measureAtOnce("8000×6000 PNG drawings, one per worker", scans);
    return 0;
}

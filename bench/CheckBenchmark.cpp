// The delivery check on a generated delivery of 2,000 textured 1280 × 960 photos: its wall
// time beside the baseline of one smallest-scale decode of every photo spread over all cores,
// measured in the same run. The check may cost at most 1.3 times the baseline.
//
//   check_benchmark [--photos N]

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include <QGuiApplication>
#include <QLoggingCategory>

#include "bench/CameraDelivery.h"
#include "check/DeliveryCheck.h"
#include "imaging/ImageDecoder.h"
#include "imaging/MediaFileProbe.h"
#include "model/PhotoXmlReader.h"
#include "work/ThreadedWork.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Every photo decoded at the smallest scale, on one thread per core.
double baselineSeconds(const std::string& delivery) {
    std::vector<QString> files;
    for (const auto& entry : fs::directory_iterator(fs::path(delivery).parent_path() / "PIC"))
        files.push_back(QString::fromStdString(entry.path().string()));
    std::atomic<std::size_t> next{0};
    const auto start = Clock::now();
    {
        std::vector<std::jthread> workers;
        for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
            workers.emplace_back([&] {
                for (std::size_t file; (file = next++) < files.size();)
                    decodeImage(files[file], QSize(1, 1));
            });
    }
    return secondsSince(start);
}

double checkSeconds(const std::string& delivery, std::size_t& findings) {
    const auto start = Clock::now();
    PhotoDataSet data;
    PhotoXmlReader().load(delivery, data);
    CheckProgress progress;
    const WorkOwner work(ThreadedWork::make());
    findings = checkDelivery({data, deliveryFoldersOf(delivery), "1", {}, delivery, "", ""},
                             MediaFileProbe(), progress, spreadIn(*work, WorkLane::Background))
                   .findings.size();
    return secondsSince(start);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv); // the sample photos' lettering needs fonts
    QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
    const int count =
        argc == 3 && std::strcmp(argv[1], "--photos") == 0 ? std::atoi(argv[2]) : 2000;
    const std::string delivery = makeCameraDelivery("check", count);
    baselineSeconds(delivery); // the files into the page cache
    const double baseline = baselineSeconds(delivery);
    std::size_t findings = 0;
    const double check = checkSeconds(delivery, findings);
    std::printf("photos %d, cores %u\n", count, std::thread::hardware_concurrency());
    std::printf("baseline: smallest-scale decode of every photo  %.3f s\n", baseline);
    std::printf("check (read, rules, probes)                      %.3f s  (%zu findings)\n", check,
                findings);
    std::printf("ratio %.2f (at most 1.30)\n", check / baseline);
    return 0;
}

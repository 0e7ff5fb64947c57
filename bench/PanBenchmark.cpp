// Panning a zoomed 12-megapixel photo in the enlarged view, offscreen: the GUI thread's time
// for one pan step (the repaint of a 1580 × 880 view) at 100 % and at 400 %, beside the
// baseline of one decode of the same photo fitted into that view.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "bench/BenchData.h"
#include "bench/BenchSupport.h"
#include "imaging/DecodedFile.h"
#include "tools/sample/SampleImages.h"
#include "views/ZoomedImage.h"

namespace {

const QSize photoSize(4000, 3000);
const QSize viewSize(1580, 880);

const std::string& photoFile() {
    static const std::string path = [] {
        const std::string file = benchDataPath("bench-pan-12mp.jpg");
        writeSamplePhoto(QString::fromStdString(file), 1, "12 MP", photoSize,
                         PhotoContent::Textured);
        return file;
    }();
    return path;
}

void BM_FittedDecode(benchmark::State& state) {
    for (auto _ : state) {
        const DecodedFile file = decodeMediaFile(photoFile(), viewSize);
        benchmark::DoNotOptimize(file.image.constBits());
    }
}

// Steps of 40 × 24 pixels to and fro, as a drag delivers them.
void panSteps(benchmark::State& state, double scale) {
    ZoomedImage zoomed;
    zoomed.place(QRect(QPoint(), viewSize));
    zoomed.showFile(decodeMediaFile(photoFile(), QSize()));
    const QPointF centre(viewSize.width() / 2.0, viewSize.height() / 2.0);
    zoomed.showActualSize(centre);
    zoomed.zoomBy(scale, centre);
    QImage screen(viewSize, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        const double direction = (step++ / 10) % 2 ? -1.0 : 1.0;
        zoomed.panBy(QPointF(40, 24) * direction);
        QPainter painter(&screen);
        zoomed.render(&painter);
    }
}

void BM_PanStepAt100Percent(benchmark::State& state) {
    panSteps(state, 1.0);
}

void BM_PanStepAt400Percent(benchmark::State& state) {
    panSteps(state, 4.0);
}

} // namespace

BENCHMARK(BM_FittedDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanStepAt100Percent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanStepAt400Percent)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}

// Decoding a 12-megapixel JPEG for display: reduced by the decoder (what PhotoBitmap does),
// beside the baseline of a full decode scaled afterwards; and a repaint at an unchanged size.

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "bench/BenchData.h"
#include "bench/BenchSupport.h"
#include "imaging/ImageDecoder.h"
#include "imaging/PhotoBitmap.h"
#include "tools/sample/SampleImages.h"

namespace {

const QSize photoSize(4000, 3000);
const QSize displaySize(1280, 960);

const QString& photoFile() {
    static const QString path = [] {
        const QString file = QString::fromStdString(benchDataPath("bench-photo-12mp.jpg"));
        writeSamplePhoto(file, 1, "12 MP", photoSize);
        return file;
    }();
    return path;
}

void BM_FullDecodeThenScale(benchmark::State& state) {
    for (auto _ : state) {
        QImageReader reader(photoFile());
        reader.setAutoTransform(true);
        const QImage image =
            reader.read().scaled(displaySize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ReducedDecode(benchmark::State& state) {
    for (auto _ : state) {
        const auto image = decodeImage(photoFile(), displaySize);
        benchmark::DoNotOptimize(image->image.constBits());
    }
}

void BM_RepaintAtUnchangedSize(benchmark::State& state) {
    PhotoBitmap bitmap;
    bitmap.assign(decodeMediaFile(photoFile().toStdString(), largestScreenSize()));
    QImage target(800, 600, QImage::Format_RGB32);
    QPainter painter(&target);
    bitmap.paintInto(painter, {0, 0, 800, 600});
    for (auto _ : state)
        bitmap.paintInto(painter, {0, 0, 800, 600});
}

} // namespace

BENCHMARK(BM_FullDecodeThenScale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReducedDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintAtUnchangedSize)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runBenchmarks<QGuiApplication>(argc, argv);
}

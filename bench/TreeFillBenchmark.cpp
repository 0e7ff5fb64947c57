// Filling the classification tree of a 50,000-photo file with a few hundred nodes, beside the
// load of the same file by the document.

#include <fstream>

#include <QApplication>

#include <benchmark/benchmark.h>

#include "bench/BenchData.h"
#include "bench/BenchSupport.h"
#include "document/CQuillonDoc.h"
#include "tools/sample/SampleDelivery.h"
#include "tools/sample/TextEncoding.h"
#include "views/CXmlTreeView.h"

namespace {

constexpr int photoCount = 50000;
constexpr int workDetails = 97; // 細別 variants of each path that reaches that level

const std::string& deliveryFile() {
    static const std::string path = [] {
        const std::string file = benchDataPath("bench-tree-50000.xml");
        std::vector<SamplePhoto> photos = makeSamplePhotos(photoCount);
        for (std::size_t i = 0; i < photos.size(); ++i) {
            if (photos[i].levels.size() == 5 && !photos[i].levels[4].empty())
                photos[i].levels[4] += " " + std::to_string(i % workDetails);
        }
        std::ofstream(file, std::ios::binary)
            << encodeUtf8As(samplePhotoXml(photos, "Shift_JIS"), "CP932");
        return file;
    }();
    return path;
}

void BM_OpenBaseline(benchmark::State& state) {
    SilentHost host;
    CQuillonDoc document(host);
    const std::string& file = deliveryFile(); // written before the timing starts
    for (auto _ : state)
        document.OnOpenDocument(file);
}

void BM_FillTree(benchmark::State& state) {
    SilentHost host;
    CQuillonDoc document(host);
    CXmlTreeView tree(document);
    document.OnOpenDocument(deliveryFile());
    for (auto _ : state)
        tree.onUpdate(nullptr, UpdateHint::HINT_INITIAL);
    int items = 0;
    for (QTreeWidgetItemIterator item(&tree); *item; ++item)
        ++items;
    state.counters["items"] = items;
}

} // namespace

BENCHMARK(BM_OpenBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillTree)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv);
}

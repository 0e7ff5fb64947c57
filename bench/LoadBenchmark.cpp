// Load of a large photo XML file by PhotoXmlReader, beside a bare libxml2 SAX parse of the same
// file with handlers that do nothing.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <libxml/SAX2.h>
#include <libxml/parser.h>

#include "bench/BenchData.h"
#include "model/LibxmlSetup.h"
#include "model/PhotoDataSet.h"
#include "model/PhotoXmlReader.h"
#include "tools/sample/SampleDelivery.h"
#include "tools/sample/TextEncoding.h"

namespace {

enum Encoding { ShiftJis, Utf8 };

// The delivery file of count photos, written once per run into the working folder.
const std::string& deliveryFile(int count, Encoding encoding) {
    static std::map<std::pair<int, Encoding>, std::string> files;
    std::string& path = files[{count, encoding}];
    if (path.empty()) {
        path = benchDataPath("bench-photo-" + std::to_string(count) +
                             (encoding == ShiftJis ? "-sjis" : "-utf8") + ".xml");
        const auto photos = makeSamplePhotos(count);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (encoding == ShiftJis)
            out << encodeUtf8As(samplePhotoXml(photos, "Shift_JIS"), "CP932");
        else
            out << samplePhotoXml(photos, "UTF-8");
    }
    return path;
}

void ignoreElementStart(void*, const xmlChar*, const xmlChar*, const xmlChar*, int, const xmlChar**,
                        int, int, const xmlChar**) {}
void ignoreElementEnd(void*, const xmlChar*, const xmlChar*, const xmlChar*) {}
void ignoreText(void*, const xmlChar*, int) {}
void ignoreError(void*, xmlErrorPtr) {}

// The baseline: the same chunked push parse, the same options, handlers that do nothing.
void bareParse(const std::string& path) {
    xmlSAXHandler sax{};
    xmlSAXVersion(&sax, 2);
    sax.startElementNs = ignoreElementStart;
    sax.endElementNs = ignoreElementEnd;
    sax.characters = ignoreText;
    sax.ignorableWhitespace = ignoreText;
    sax.serror = ignoreError;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    std::vector<char> buffer(64 * 1024);
    const std::size_t head = std::fread(buffer.data(), 1, 4, file.get());
    xmlParserCtxtPtr context =
        xmlCreatePushParserCtxt(&sax, nullptr, buffer.data(), static_cast<int>(head), nullptr);
    xmlCtxtUseOptions(context, XML_PARSE_NOENT | XML_PARSE_NONET);
    std::size_t count = 0;
    do {
        count = std::fread(buffer.data(), 1, buffer.size(), file.get());
        xmlParseChunk(context, buffer.data(), static_cast<int>(count), count == 0);
    } while (count > 0);
    if (context->myDoc)
        xmlFreeDoc(context->myDoc);
    xmlFreeParserCtxt(context);
}

void BM_BareParse(benchmark::State& state) {
    configureLibxml();
    const std::string& path =
        deliveryFile(static_cast<int>(state.range(0)), static_cast<Encoding>(state.range(1)));
    for (auto _ : state)
        bareParse(path);
}

void BM_PhotoXmlReaderLoad(benchmark::State& state) {
    const std::string& path =
        deliveryFile(static_cast<int>(state.range(0)), static_cast<Encoding>(state.range(1)));
    for (auto _ : state) {
        auto data = std::make_unique<PhotoDataSet>();
        PhotoXmlReader reader;
        reader.load(path, *data);
        benchmark::DoNotOptimize(data->photos.size());
        // Freeing the data set belongs to the next open, not to this load.
        state.PauseTiming();
        data.reset();
        state.ResumeTiming();
    }
}

void loadSizes(benchmark::internal::Benchmark* benchmark) {
    for (int count : {10000, 50000})
        for (int encoding : {ShiftJis, Utf8})
            benchmark->Args({count, encoding});
    benchmark->ArgNames({"photos", "utf8"})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_BareParse)->Apply(loadSizes);
BENCHMARK(BM_PhotoXmlReaderLoad)->Apply(loadSizes);

BENCHMARK_MAIN();

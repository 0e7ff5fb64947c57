// One keystroke of the search over a delivery of 50,000 photos (the matches and the count of
// them in each node of the tree), beside the load of that
// delivery's photo XML file, measured in the same run; and the folding of every photo's
// texts, which a worker does once after the open.
//
//   search_benchmark

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <unordered_set>

#include "bench/BenchData.h"
#include "bench/BenchSupport.h"
#include "document/CQuillonDoc.h"
#include "model/PhotoXmlReader.h"
#include "tools/sample/SampleDelivery.h"
#include "tools/sample/TextEncoding.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int photoCount = 50'000;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

SearchQuery words(const char* text) {
    SearchQuery query;
    query.text = text;
    return query;
}

} // namespace

int main() {
    prepareDocumentReading();
    const std::string path = benchDataPath("search-" + std::to_string(photoCount) + ".xml");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << encodeUtf8As(samplePhotoXml(makeSamplePhotos(photoCount), "Shift_JIS"), "CP932");
    SilentHost host;
    CQuillonDoc document(host);
    document.OnOpenDocument(path); // the file into the page cache
    PhotoDataSet data;
    auto start = Clock::now();
    PhotoXmlReader().load(path, data);
    const double load = millisecondsSince(start);
    std::printf("load of %d photos: %.1f ms (baseline)\n", photoCount, load);
    start = Clock::now();
    PhotoList all;
    all.shareFrom(data.photos);
    const PhotoSearch searchable(std::move(all));
    const double folding = millisecondsSince(start);
    std::printf("  %-44s %8.2f ms  %6.4f× the load\n", "making them searchable (on a worker)",
                folding, folding / load);
    document.adoptSearch(document.searchPreparation()(), document.delivery().number);
    // A query typed on, a keystroke at a time, from the last photo (every match lies before
    // it): the cost of each beside the load.
    document.goToPhoto(photoCount - 1, nullptr);
    const char* typed[] = {"掘",      "掘削",     "掘削 ",     "掘削 n",
                           "掘削 no", "掘削 no.", "掘削 no.1", "ｸｯｻｸ"};
    double worst = 0;
    double total = 0;
    for (const char* query : typed) {
        start = Clock::now();
        document.search(words(query), nullptr);
        // and what the tree then counts: the matches each node holds
        const std::unordered_set<const PhotoRecord*> matches(document.photoOrder().begin(),
                                                             document.photoOrder().end());
        countPerNode(document.rootNode(),
                     [&](const PhotoRecord& photo) { return matches.contains(&photo); });
        const double keystroke = millisecondsSince(start);
        worst = std::max(worst, keystroke);
        total += keystroke;
    }
    const double average = total / std::size(typed);
    std::printf("  %-44s %8.2f ms  %6.4f× the load (target ≤ 0.02×)\n", "keystroke, average",
                average, average / load);
    std::printf("  %-44s %8.2f ms  %6.4f× the load (target ≤ 0.02×)\n", "keystroke, worst", worst,
                worst / load);
    return 0;
}

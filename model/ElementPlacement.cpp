#include "model/ElementPlacement.h"

#include <algorithm>
#include <initializer_list>
#include <unordered_map>

#include "model/SaxReader.h"

namespace {

struct Placement {
    std::string_view element;
    std::initializer_list<std::string_view> parents; // the first is the one to name
};

constexpr std::string_view photoInfo = "写真情報";
constexpr std::string_view vendorBlock = "ソフトメーカ用TAG";
constexpr std::string_view constructionBlock = "工事情報";
constexpr std::string_view rootName = "photodata";
// A file noting thousands of faults of its own making needs no more than this many kinds.
constexpr std::size_t mostKinds = 100;

// The groups of DTD versions 04 and 05. The reserve items of the older files are allowed in
// 写真情報 and 施工管理値, where they stood.
const Placement placements[] = {
    {"基礎情報", {"photodata"}},
    {photoInfo, {"photodata"}},
    {constructionBlock, {"photodata"}},
    {vendorBlock, {"photodata", photoInfo}},
    {"写真フォルダ名", {"基礎情報"}},
    {"参考図フォルダ名", {"基礎情報"}},
    {"適用要領基準", {"基礎情報"}},
    {"写真ファイル情報", {photoInfo}},
    {"撮影工種区分", {photoInfo}},
    {"付加情報", {photoInfo}},
    {"撮影情報", {photoInfo}},
    {"代表写真", {photoInfo}},
    {"提出頻度写真", {photoInfo}},
    {"施工管理値", {photoInfo}},
    {"請負者説明文", {photoInfo}},
    {"受注者説明文", {photoInfo}},
    {"写真情報予備", {photoInfo, "施工管理値"}},
    {"施工管理値予備", {photoInfo, "施工管理値"}},
    {"状況説明予備", {photoInfo, "施工管理値"}},
    {"シリアル番号", {"写真ファイル情報"}},
    {"写真ファイル名", {"写真ファイル情報"}},
    {"写真ファイル日本語名", {"写真ファイル情報"}},
    {"メディア番号", {"写真ファイル情報"}},
    {"写真-大分類", {"撮影工種区分"}},
    {"写真区分", {"撮影工種区分"}},
    {"工種", {"撮影工種区分"}},
    {"種別", {"撮影工種区分"}},
    {"細別", {"撮影工種区分"}},
    {"写真タイトル", {"撮影工種区分"}},
    {"工種区分予備", {"撮影工種区分"}},
    {"参考図ファイル名", {"付加情報"}},
    {"参考図ファイル日本語名", {"付加情報"}},
    {"参考図タイトル", {"付加情報"}},
    {"参考図MIME", {"付加情報"}},
    {"付加情報予備", {"付加情報"}},
    {"撮影箇所", {"撮影情報"}},
    {"撮影年月日", {"撮影情報"}},
};

// By hash: the watcher sees every element of files of tens of thousands of photos.
const Placement* placementOf(std::string_view name) {
    static const std::unordered_map<std::string_view, const Placement*> index = [] {
        std::unordered_map<std::string_view, const Placement*> byName;
        for (const Placement& placement : placements)
            byName.emplace(placement.element, &placement);
        return byName;
    }();
    const auto found = index.find(name);
    return found == index.end() ? nullptr : found->second;
}

} // namespace

void ElementPlacementWatcher::startElement(std::string_view localName) {
    const Placement* placement = placementOf(localName);
    // The stack holds the table's own names, no copy per element; an unknown element's name
    // is never read again, as nothing inside it is judged.
    open.push_back(placement ? placement->element : open.empty() ? rootName : "");
    if (skippedBlockDepth != 0 || open.size() == 1)
        return;
    const std::string_view parent = open[open.size() - 2];
    if (!placement)
        note(localName, parent, "");
    else if (std::find(placement->parents.begin(), placement->parents.end(), parent) ==
             placement->parents.end())
        note(localName, parent, *placement->parents.begin());
    // What an unknown element, a vendor's block or the construction block (reported on its
    // own) holds is not judged.
    if (!placement || localName == vendorBlock || localName == constructionBlock)
        skippedBlockDepth = open.size();
}

void ElementPlacementWatcher::endElement(std::string_view) {
    if (open.size() == skippedBlockDepth)
        skippedBlockDepth = 0;
    if (!open.empty())
        open.pop_back();
}

void ElementPlacementWatcher::note(std::string_view name, std::string_view parent,
                                   std::string_view expected) {
    const auto same = std::find_if(found.begin(), found.end(), [&](const MisplacedElement& m) {
        return m.name == name && m.parent == parent;
    });
    if (same != found.end())
        ++same->count;
    else if (found.size() < mostKinds)
        found.push_back({std::string(name), std::string(parent), std::string(expected),
                         reader.currentLine(), 1});
}

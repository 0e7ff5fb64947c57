#include "tools/sample/SampleDelivery.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

struct Classification {
    std::array<const char*, 5> levels;
    const char* title;
};

// Each path is used in turn; 道路土工 stands under two 写真区分, and some paths stop early.
const Classification classifications[] = {
    {{"工事", "着手前及び完成写真", "", "", ""}, "着手前 全景①"},
    {{"工事", "施工状況写真", "道路土工", "掘削工", "土砂掘削"}, "掘削状況"},
    {{"工事", "施工状況写真", "道路土工", "路体盛土工", "路体盛土"}, "盛土 敷均し"},
    {{"工事", "品質管理写真", "道路土工", "路体盛土工", "締固め度"}, "現場密度試験②"},
    {{"工事", "施工状況写真", "排水構造物工", "側溝工", "プレキャストU型側溝"},
     "側溝据付 No.1～No.5"},
    {{"工事", "出来形管理写真", "舗装工", "表層工", "幅"}, "表層 幅員測定"},
    {{"工事", "安全管理写真", "", "", ""}, "安全訓練 ㈱髙橋建設"},
    {{"工事", "使用材料写真", "舗装工", "表層工", ""}, "アスファルト混合物 ㎡当り"},
    {{"", "", "", "", ""}, "分類なし"},
    {{"工事", "施工状況写真", "道路土工", "掘削工", ""}, "掘削 床付け"},
    {{"工事", "災害写真", "", "", ""}, "法面崩落 Ⅲ区間"},
    {{"工事", "出来形管理写真", "排水構造物工", "側溝工", "プレキャストU型側溝"}, "側溝 延長測定"},
};

constexpr int mediumTwoEvery = 12; // every twelfth photo is on a second medium
constexpr int noImageIndex = 5;

std::string numbered(const char* prefix, int number, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%07d.%s", prefix, number, extension);
    return name;
}

// Pairs of neighbours swap their serial numbers, so file order is not serial order.
int serialNumberAt(int index, int count) {
    if (index % 2 == 0)
        return index + 1 < count ? index + 2 : index + 1;
    return index;
}

std::vector<SampleDrawing> drawingsAt(int index) {
    if (index == 0)
        return {{numbered("D", 1, "JPG"), "位置図"}, {numbered("D", 2, "TIF"), "平面図①"}};
    if (index % 6 == 3)
        return {{numbered("D", 3, "JPG"), "標準断面図"}};
    return {};
}

// The classifications of 工事 photos: the check asks for every level of a photo submitted by
// the standard's frequency, so only those with all five are submitted.
std::vector<const Classification*> cleanClassifications() {
    std::vector<const Classification*> clean;
    for (const Classification& kind : classifications) {
        if (std::string(kind.levels[0]) == "工事")
            clean.push_back(&kind);
    }
    return clean;
}

bool fullyClassified(const Classification& kind) {
    return std::all_of(kind.levels.begin(), kind.levels.end(), [](const char* l) { return *l; });
}

// text with the Windows characters of the samples written as JIS X 0208 allows.
std::string plainText(std::string text) {
    static const std::pair<std::string_view, std::string_view> plain[] = {
        {"①", "1"}, {"②", "2"},   {"㈱", "（株）"}, {"㎡", "m2"},
        {"Ⅲ", "3"}, {"髙", "高"}, {"﨑", "崎"},     {"～", "〜"}};
    for (const auto& [windows, jis] : plain) {
        for (std::size_t at = text.find(windows); at != std::string::npos;
             at = text.find(windows, at + jis.size()))
            text.replace(at, windows.size(), jis);
    }
    return text;
}

// Inside the works period (2024-04-01 to 2025-03-31), the 15th of a month.
std::string dateInPeriod(int index) {
    const int month = (index + 3) % 12 + 1;
    return (month >= 4 ? "2024-" : "2025-") + std::string(month < 10 ? "0" : "") +
           std::to_string(month) + "-15";
}

SamplePhoto cleanPhotoAt(int index, int count) {
    static const std::vector<const Classification*> clean = cleanClassifications();
    const Classification& kind = *clean[std::size_t(index) % clean.size()];
    SamplePhoto photo;
    photo.serialNumber = serialNumberAt(index, count);
    photo.fileName = numbered("P", index + 1, "JPG");
    for (const char* level : kind.levels)
        photo.levels.emplace_back(level);
    photo.title = plainText(kind.title);
    photo.shotLocation = "No." + std::to_string(index % 40);
    photo.shotDate = dateInPeriod(index);
    photo.submissionFrequency = fullyClassified(kind) ? "1" : "0";
    photo.drawings = drawingsAt(index);
    for (SampleDrawing& drawing : photo.drawings)
        drawing.title = plainText(drawing.title);
    return photo;
}

SamplePhoto samplePhotoAt(int index, int count) {
    const Classification& kind = classifications[index % std::size(classifications)];
    SamplePhoto photo;
    photo.serialNumber = serialNumberAt(index, count);
    photo.fileName = numbered("P", index + 1, "JPG");
    photo.mediaNumber = index % mediumTwoEvery == mediumTwoEvery - 1 ? 2 : 1;
    for (const char* level : kind.levels)
        photo.levels.emplace_back(level);
    photo.title = kind.title;
    photo.shotLocation = "No." + std::to_string(index % 40) + "+" + std::to_string(index % 20 * 5);
    photo.shotDate =
        "2024-" + std::string(index % 12 < 9 ? "0" : "") + std::to_string(index % 12 + 1) + "-15";
    if (index % 4 == 1)
        photo.controlValue = "設計 3.00m 実測 3.02m";
    photo.drawings = drawingsAt(index);
    if (index == noImageIndex)
        photo.file = FilePlant::NoImage;
    return photo;
}

void element(std::string& xml, int depth, const char* name, const std::string& text) {
    if (text.empty())
        return;
    xml.append(static_cast<std::size_t>(depth) * 2, ' ');
    xml += "<" + std::string(name) + ">" + text + "</" + name + ">\r\n";
}

void open(std::string& xml, int depth, const char* name) {
    xml.append(static_cast<std::size_t>(depth) * 2, ' ');
    xml += "<" + std::string(name) + ">\r\n";
}

void close(std::string& xml, int depth, const char* name) {
    xml.append(static_cast<std::size_t>(depth) * 2, ' ');
    xml += "</" + std::string(name) + ">\r\n";
}

using Elements = std::initializer_list<std::pair<const char*, const char*>>;

// A block of elements with texts, at depth 1.
void appendBlock(std::string& xml, const char* name, Elements elements) {
    open(xml, 1, name);
    for (const auto& [elementName, text] : elements)
        element(xml, 2, elementName, text);
    close(xml, 1, name);
}

void appendConstructionInfo(std::string& xml) {
    appendBlock(xml, "工事情報",
                {{"発注年度", "2024"},
                 {"工事番号", "0012345"},
                 {"工事名称", "国道〇号 髙﨑地区道路改良工事"},
                 {"工期開始日", "2024-04-01"},
                 {"工期終了日", "2025-03-31"},
                 {"発注者-大分類", "国土交通省"},
                 {"発注者-中分類", "関東地方整備局"},
                 {"発注者-小分類", "〇〇国道事務所"},
                 {"請負者名", "㈱テッセル建設"}});
}

void appendPhoto(std::string& xml, const SamplePhoto& photo, DeliveryStyle style) {
    static const char* levelNames[] = {"写真-大分類", "写真区分", "工種", "種別", "細別"};
    open(xml, 1, "写真情報");
    open(xml, 2, "写真ファイル情報");
    element(xml, 3, "シリアル番号", photo.serialText.value_or(std::to_string(photo.serialNumber)));
    element(xml, 3, "写真ファイル名", photo.fileName);
    element(xml, 3, "メディア番号", std::to_string(photo.mediaNumber));
    close(xml, 2, "写真ファイル情報");
    open(xml, 2, "撮影工種区分");
    for (std::size_t level = 0; level < photo.levels.size(); ++level)
        element(xml, 3, levelNames[level], photo.levels[level]);
    element(xml, 3, "写真タイトル", photo.title);
    close(xml, 2, "撮影工種区分");
    for (const SampleDrawing& drawing : photo.drawings) {
        open(xml, 2, "付加情報");
        element(xml, 3, "参考図ファイル名", drawing.fileName);
        element(xml, 3, "参考図タイトル", drawing.title);
        close(xml, 2, "付加情報");
    }
    open(xml, 2, "撮影情報");
    element(xml, 3, "撮影箇所", photo.shotLocation);
    element(xml, 3, "撮影年月日", photo.shotDate);
    close(xml, 2, "撮影情報");
    element(xml, 2, "施工管理値", photo.controlValue);
    if (style == DeliveryStyle::Modern && !photo.controlValue.empty())
        element(xml, 2, "受注者説明文", "出来形確認済み");
    element(xml, 2, "代表写真", photo.representative);
    element(xml, 2, "提出頻度写真", photo.submissionFrequency);
    close(xml, 1, "写真情報");
}

} // namespace

std::vector<SamplePhoto> makeSamplePhotos(int count, SampleKind kind) {
    std::vector<SamplePhoto> photos;
    photos.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index)
        photos.push_back(kind == SampleKind::Viewer ? samplePhotoAt(index, count)
                                                    : cleanPhotoAt(index, count));
    return photos;
}

std::string samplePhotoXml(const std::vector<SamplePhoto>& photos, const std::string& encoding,
                           DeliveryStyle style) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"" + encoding +
                      "\"?>\r\n"
                      "<!DOCTYPE photodata SYSTEM \"PHOTO05.DTD\">\r\n"
                      "<photodata DTD_version=\"05\">\r\n";
    appendBlock(xml, "基礎情報",
                {{"写真フォルダ名", "PHOTO/PIC"},
                 {"参考図フォルダ名", "PHOTO/DRA"},
                 {"適用要領基準", "土木202303-01"}});
    if (style == DeliveryStyle::Older)
        appendConstructionInfo(xml);
    for (const SamplePhoto& photo : photos)
        appendPhoto(xml, photo, style);
    xml += "</photodata>\r\n";
    return xml;
}

std::string sampleIndexXml(const std::string& encoding, bool plain) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"" + encoding +
                      "\"?>\r\n"
                      "<!DOCTYPE constdata SYSTEM \"INDE_C05.DTD\">\r\n"
                      "<constdata DTD_version=\"05\">\r\n";
    appendBlock(xml, "基礎情報",
                {{"メディア番号", "1"},
                 {"メディア総枚数", "2"},
                 {"適用要領基準", "土木202303-01"},
                 {"写真フォルダ名", "PHOTO"}});
    const std::string name =
        plain ? "国道〇号 高崎地区道路改良工事" : "国道〇号 髙﨑地区道路改良工事";
    const std::string contractor = plain ? "（株）テッセル建設" : "㈱テッセル建設";
    appendBlock(xml, "工事件名等",
                {{"工事番号", "0012345"},
                 {"工事名称", name.c_str()},
                 {"工期開始日", "2024-04-01"},
                 {"工期終了日", "2025-03-31"}});
    appendBlock(xml, "発注者情報",
                {{"発注者-大分類", "国土交通省"},
                 {"発注者-中分類", "関東地方整備局"},
                 {"発注者-小分類", "〇〇国道事務所"},
                 {"発注者コード", "12345678"}});
    appendBlock(xml, "受注者情報",
                {{"受注者名", contractor.c_str()}, {"受注者コード", "87654321"}});
    xml += "</constdata>\r\n";
    return xml;
}

std::string sampleDtd(const std::string& rootElement) {
    return "<!-- written by tessel-make-sample -->\r\n<!ELEMENT " + rootElement + " ANY>\r\n";
}

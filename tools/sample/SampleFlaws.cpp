#include "tools/sample/SampleFlaws.h"

#include <functional>

namespace {

using Plant = std::function<void(SamplePhoto& photo, const SamplePhoto& first)>;

struct Flaw {
    const char* rule;
    Plant plant;
};

Plant file(FilePlant plant) {
    return [plant](SamplePhoto& photo, const SamplePhoto&) { photo.file = plant; };
}

Plant drawing(const char* name, FilePlant plant = FilePlant::Sound) {
    return [name, plant](SamplePhoto& photo, const SamplePhoto&) {
        photo.drawings = {{name, "参考図", plant}};
    };
}

const std::vector<Flaw>& flaws() {
    static const std::vector<Flaw> table = {
        {"serial-missing", [](SamplePhoto& p, const SamplePhoto&) { p.serialText = ""; }},
        {"serial-not-number", [](SamplePhoto& p, const SamplePhoto&) { p.serialText = "２"; }},
        {"serial-duplicate",
         [](SamplePhoto& p, const SamplePhoto& first) { p.serialNumber = first.serialNumber; }},
        {"required-missing", [](SamplePhoto& p, const SamplePhoto&) { p.title.clear(); }},
        {"date-format", [](SamplePhoto& p, const SamplePhoto&) { p.shotDate = "2024/06/15"; }},
        {"date-outside-period",
         [](SamplePhoto& p, const SamplePhoto&) { p.shotDate = "2023-12-15"; }},
        {"flag-value", [](SamplePhoto& p, const SamplePhoto&) { p.representative = "2"; }},
        {"category-value", [](SamplePhoto& p, const SamplePhoto&) { p.levels[1] = "写真"; }},
        {"work-type-missing",
         [](SamplePhoto& p, const SamplePhoto&) {
             p.levels = {"工事", "施工状況写真"};
             p.submissionFrequency = "1";
         }},
        {"file-name-rule", [](SamplePhoto& p, const SamplePhoto&) { p.fileName[0] = 'p'; }},
        {"file-name-unsafe",
         [](SamplePhoto& p, const SamplePhoto&) {
             p.fileName = "../" + p.fileName;
             p.file = FilePlant::NotWritten;
         }},
        {"file-name-duplicate",
         [](SamplePhoto& p, const SamplePhoto& first) {
             p.fileName = first.fileName;
             p.file = FilePlant::NotWritten;
         }},
        {"file-missing", file(FilePlant::NotWritten)},
        {"file-other-medium",
         [](SamplePhoto& p, const SamplePhoto&) {
             p.mediaNumber = 2;
             p.file = FilePlant::NotWritten;
         }},
        {"file-undecodable", file(FilePlant::Undecodable)},
        {"file-truncated", file(FilePlant::Truncated)},
        {"file-format", file(FilePlant::Png)},
        {"exif-date-mismatch", file(FilePlant::OtherExif)},
        {"exif-date-missing", file(FilePlant::NoExif)},
        {"pixels-range", file(FilePlant::FewPixels)},
        {"drawing-name-rule", drawing("d0000101.jpg")},
        {"drawing-name-unsafe", drawing("../D0000102.JPG", FilePlant::NotWritten)},
        {"drawing-missing", drawing("D0000103.JPG", FilePlant::NotWritten)},
        {"drawing-undecodable", drawing("D0000104.JPG", FilePlant::Undecodable)},
        {"drawing-format", drawing("D0000105.TIF", FilePlant::NoImage)},
        {"major-category-value",
         [](SamplePhoto& p, const SamplePhoto&) { p.levels[0] = "工事写真"; }},
        {"medium-number",
         [](SamplePhoto& p, const SamplePhoto&) {
             p.mediaNumber = 0;
             p.file = FilePlant::NotWritten;
         }},
        {"char-outside-jis", [](SamplePhoto& p, const SamplePhoto&) { p.title += " ①"; }},
        {"char-halfwidth-kana", [](SamplePhoto& p, const SamplePhoto&) { p.shotLocation = "ｸｲ"; }},
        {"char-fullwidth-alnum",
         [](SamplePhoto& p, const SamplePhoto&) { p.shotLocation = "Ｎｏ．１"; }},
        {"text-too-long", [](SamplePhoto& p, const SamplePhoto&) { p.title.assign(130 * 3, 'x'); }},
        {"edit-software", file(FilePlant::EditorSoftware)},
        {"edit-resized", file(FilePlant::EditorResized)},
        {"edit-modified", file(FilePlant::EditorChanged)},
        {"blackboard-mismatch",
         [](SamplePhoto& p, const SamplePhoto&) {
             p.levels = {"工事", "施工状況写真", "道路土工", "掘削工", "土砂掘削"};
             p.submissionFrequency = "1";
             p.file = FilePlant::OtherBlackboard;
         }},
        {"photo-reused",
         [](SamplePhoto& p, const SamplePhoto& first) {
             p.resavedFrom = first.fileName;
             p.shotDate = first.shotDate;
         }},
    };
    return table;
}

void replaceOnce(std::string& text, std::string_view from, std::string_view to) {
    text.replace(text.find(from), from.size(), to);
}

} // namespace

std::vector<PlantedFault> plantFaults(std::vector<SamplePhoto>& photos) {
    std::vector<PlantedFault> planted;
    for (std::size_t flaw = 0; flaw < flaws().size() && flaw + 1 < photos.size(); ++flaw) {
        SamplePhoto& photo = photos[flaw + 1];
        flaws()[flaw].plant(photo, photos.front());
        const bool onDrawing = std::string_view(flaws()[flaw].rule).starts_with("drawing-");
        planted.push_back(
            {flaws()[flaw].rule, onDrawing ? photo.drawings.front().fileName : photo.fileName});
    }
    return planted;
}

std::size_t flawCount() {
    return flaws().size();
}

std::string withDeliveryFaults(std::string xml) {
    replaceOnce(xml, "encoding=\"Shift_JIS\"", "encoding=\"UTF-8\"");
    replaceOnce(xml, "PHOTO/PIC", "PHOTO/pic");
    replaceOnce(xml, "土木202303-01", "土木2023-01");
    // The construction information of the editions before DTD versions, in a 05 file.
    replaceOnce(xml, "</基礎情報>\r\n",
                "</基礎情報>\r\n  <工事情報>\r\n    <工事名称>道路改良工事</工事名称>\r\n"
                "    <工期開始日>2024-04-01</工期開始日>\r\n"
                "    <工期終了日>2025-03-31</工期終了日>\r\n  </工事情報>\r\n");
    return xml;
}

std::string withIndexFault(std::string indexXml) {
    replaceOnce(indexXml, "<メディア総枚数>2<", "<メディア総枚数>二<");
    return indexXml;
}

const std::vector<PlantedFault>& deliveryFaults() {
    static const std::vector<PlantedFault> faults = {
        {"xml-encoding", ""}, {"dtd-missing", ""},      {"xml-structure", ""},
        {"folder-item", ""},  {"standard-missing", ""}, {"edition-mismatch", ""},
    };
    return faults;
}

const std::vector<StrayFile>& strayFiles() {
    static const std::vector<StrayFile> files = {
        {"PIC/Thumbs.db", {"stray-file", "PIC/Thumbs.db"}},
        {"PIC/SUB/", {"stray-file", "PIC/SUB/"}},
        {"PHOTO.BAK", {"stray-file", "PHOTO.BAK"}},
        {"DRA/D0009999.JPG", {"drawing-unlisted", "dra/D0009999.JPG"}},
    };
    return files;
}

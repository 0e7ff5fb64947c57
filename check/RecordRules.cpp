#include "check/RecordRules.h"

#include <algorithm>
#include <array>

#include "check/ItemTextRules.h"
#include "check/RuleTable.h"
#include "check/TextRules.h"
#include "media/DeliveryFiles.h"

namespace {

using Findings = std::vector<Finding>;

constexpr std::string_view constructionWorks = "工事";
constexpr std::array<std::string_view, 7> majorCategories{"工事", "測量", "調査",  "地質",
                                                          "広報", "設計", "その他"};
constexpr std::array<std::string_view, 9> standardCategories{
    "着手前及び完成写真", "施工状況写真", "安全管理写真", "使用材料写真", "品質管理写真",
    "出来形管理写真",     "災害写真",     "事故写真",     "その他"};
// Photos of these need no 工種, 種別 or 細別; of the second kind, their lack is worth a look.
constexpr std::array<std::string_view, 2> categoriesWithoutWorkType{"着手前及び完成写真",
                                                                    "災害写真"};
constexpr std::array<std::string_view, 2> categoriesWorkTypeOptional{"事故写真", "その他"};
constexpr std::size_t serialDigits = 7;

template <typename List> bool contains(const List& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::string bracketed(std::string_view text) {
    return "「" + std::string(text) + "」";
}

void checkSerial(const PhotoRecord& photo, Findings& found) {
    const std::string& serial = photo.slots[PhotoSlot::SerialNumber];
    if (serial.empty())
        found.push_back(makeFinding("serial-missing", "シリアル番号がありません"));
    else if (!isPositiveNumber(serial) || serial.size() > serialDigits)
        found.push_back(
            makeFinding("serial-not-number", "シリアル番号" + bracketed(serial) +
                                                 "は半角数字 7 桁以内の正の整数ではありません"));
}

void requireSlot(const PhotoRecord& photo, PhotoSlot slot, Findings& found) {
    if (photo.slots[slot].empty())
        found.push_back(
            makeFinding("required-missing", std::string(elementName(slot)) + "がありません"));
}

void checkRequired(const PhotoRecord& photo, const EditionRules& edition, Findings& found) {
    for (const PhotoSlot slot : {PhotoSlot::FileName, PhotoSlot::MajorCategory, PhotoSlot::Title})
        requireSlot(photo, slot, found);
    if (photo.slots[PhotoSlot::MajorCategory] == constructionWorks)
        requireSlot(photo, PhotoSlot::PhotoCategory, found);
    if (edition.shotDateRequired)
        requireSlot(photo, PhotoSlot::ShotDate, found);
    if (edition.flagsRequired) {
        requireSlot(photo, PhotoSlot::Representative, found);
        requireSlot(photo, PhotoSlot::SubmissionFrequency, found);
    }
    if (edition.mediumNumberRequired)
        requireSlot(photo, PhotoSlot::MediaNumber, found);
    for (const ReferenceDrawing& drawing : photo.drawings) {
        for (const DrawingSlot slot : {DrawingSlot::DrawingFileName, DrawingSlot::DrawingTitle}) {
            if (drawing.slots[slot].empty())
                found.push_back(
                    makeFinding("required-missing",
                                "付加情報の" + std::string(drawingElementNames[std::size_t(slot)]) +
                                    "がありません"));
        }
    }
}

void checkMediumNumber(const PhotoRecord& photo, const std::string& count, Findings& found) {
    const std::string& medium = photo.slots[PhotoSlot::MediaNumber];
    if (!medium.empty() && !isPositiveNumber(medium))
        found.push_back(makeFinding("medium-number", "メディア番号" + bracketed(medium) +
                                                         "は 1 以上の半角数字ではありません"));
    else if (!medium.empty() && isPositiveNumber(count) && numberAbove(medium, count))
        found.push_back(makeFinding("medium-number", "メディア番号 " + medium +
                                                         " は INDEX_C.XML のメディア総枚数 " +
                                                         count + " を超えています"));
}

void checkDate(const PhotoRecord& photo, const WorksPeriod& period, Findings& found) {
    const std::string& date = photo.slots[PhotoSlot::ShotDate];
    if (date.empty())
        return;
    if (!isRealDate(date)) {
        found.push_back(
            makeFinding("date-format", "撮影年月日" + bracketed(date) +
                                           "は CCYY-MM-DD の実在する日付ではありません"));
        return;
    }
    // Dates of one form compare as text.
    const bool early = isRealDate(period.start) && date < period.start;
    const bool late = isRealDate(period.end) && date > period.end;
    if (early || late)
        found.push_back(makeFinding("date-outside-period", "撮影年月日 " + date + " が工期 " +
                                                               period.start + "〜" + period.end +
                                                               " の外です"));
}

void checkFlags(const PhotoRecord& photo, Findings& found) {
    for (const PhotoSlot slot : {PhotoSlot::Representative, PhotoSlot::SubmissionFrequency}) {
        const std::string& flag = photo.slots[slot];
        if (!flag.empty() && flag != "0" && flag != "1")
            found.push_back(makeFinding("flag-value", std::string(elementName(slot)) +
                                                          bracketed(flag) +
                                                          "は 0 か 1 ではありません"));
    }
}

// Photos submitted by the photo-management standard's frequency need their work type, so
// that an inspector finds them by it.
void checkWorkType(const PhotoRecord& photo, const std::string& category, Findings& found) {
    if (photo.slots[PhotoSlot::SubmissionFrequency] != "1" ||
        contains(categoriesWithoutWorkType, category))
        return;
    std::string missing;
    for (const PhotoSlot slot : {PhotoSlot::WorkType, PhotoSlot::WorkKind, PhotoSlot::WorkDetail}) {
        if (photo.slots[slot].empty())
            missing += (missing.empty() ? "" : "・") + std::string(elementName(slot));
    }
    if (missing.empty())
        return;
    const bool optional = contains(categoriesWorkTypeOptional, category);
    found.push_back(makeFinding("work-type-missing",
                                "提出頻度写真（写真区分" + bracketed(category) + "）に" + missing +
                                    "がありません",
                                optional ? std::optional(Level::Caution) : std::nullopt));
}

void checkClassification(const PhotoRecord& photo, Findings& found) {
    const std::string& major = photo.slots[PhotoSlot::MajorCategory];
    if (!major.empty() && !contains(majorCategories, major))
        found.push_back(makeFinding("major-category-value",
                                    "写真-大分類" + bracketed(major) + "は基準の分類にありません"));
    if (major != constructionWorks)
        return; // 写真区分 is free text for the others
    const std::string& category = photo.slots[PhotoSlot::PhotoCategory];
    if (category.empty())
        return;
    if (!contains(standardCategories, category))
        found.push_back(makeFinding("category-value",
                                    "写真区分" + bracketed(category) + "は基準の区分にありません"));
    else
        checkWorkType(photo, category, found);
}

// The extensions of the formats an edition allows for photos.
bool extensionAllowed(std::string_view extension, const EditionRules& edition) {
    return std::any_of(edition.photoFormats.begin(), edition.photoFormats.end(),
                       [extension](FileFormat format) {
                           return extension == (format == FileFormat::Jpeg   ? "JPG"
                                                : format == FileFormat::Tiff ? "TIF"
                                                                             : "SVG");
                       });
}

// prefix "file" or "drawing"; letter P or D; drawing the drawing's place, -1 for the photo.
void checkFileName(std::string_view name, std::string_view prefix, char letter, int drawing,
                   const EditionRules& edition, Findings& found) {
    if (name.empty())
        return;
    const std::string rule(prefix);
    const bool formatAllowed = letter == 'D' || extensionAllowed(extensionOf(name), edition);
    if (!isPlainFileName(name))
        found.push_back(
            makeFinding(rule + "-name-unsafe",
                        bracketed(name) + "は PIC・DRA の中の一つのファイル名ではありません"));
    else if (!followsFileNameRule(name, letter) || !formatAllowed)
        found.push_back(
            makeFinding(rule + "-name-rule", bracketed(name) + "は " + std::string(1, letter) +
                                                 "＋数字7桁＋大文字の拡張子（" + letter +
                                                 "0000001.JPG など）ではありません"));
    else
        return;
    found.back().fileName = std::string(name);
    found.back().drawing = drawing;
}

} // namespace

std::vector<Finding> recordFindings(const PhotoRecord& photo, const RecordContext& context) {
    Findings found;
    checkSerial(photo, found);
    checkRequired(photo, context.edition, found);
    checkMediumNumber(photo, context.mediumCount, found);
    checkDate(photo, context.period, found);
    checkFlags(photo, found);
    checkClassification(photo, found);
    checkFileName(photo.slots[PhotoSlot::FileName], "file", 'P', -1, context.edition, found);
    for (std::size_t drawing = 0; drawing < photo.drawings.size(); ++drawing)
        checkFileName(photo.drawings[drawing].slots[DrawingSlot::DrawingFileName], "drawing", 'D',
                      int(drawing), context.edition, found);
    const Findings texts = photoTextFindings(photo, context.fromShiftJis);
    found.insert(found.end(), texts.begin(), texts.end());
    return found;
}

std::vector<PhotoSlot> slotsReported(const Finding& finding, const PhotoRecord& photo) {
    const std::string_view rule = finding.ruleId;
    if (rule.starts_with("serial-"))
        return {PhotoSlot::SerialNumber};
    if (rule.starts_with("date-") || rule == "exif-date-mismatch")
        return {PhotoSlot::ShotDate};
    if (rule == "category-value")
        return {PhotoSlot::PhotoCategory};
    if (rule == "major-category-value")
        return {PhotoSlot::MajorCategory};
    if (rule == "medium-number")
        return {PhotoSlot::MediaNumber};
    if (rule.starts_with("file-name-"))
        return {PhotoSlot::FileName};
    std::vector<PhotoSlot> flags;
    for (const PhotoSlot slot : {PhotoSlot::Representative, PhotoSlot::SubmissionFrequency}) {
        const std::string& flag = photo.slots[slot];
        if (rule == "flag-value" && !flag.empty() && flag != "0" && flag != "1")
            flags.push_back(slot);
    }
    return flags;
}

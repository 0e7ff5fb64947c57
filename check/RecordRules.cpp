#include "check/RecordRules.h"

#include <algorithm>
#include <array>

#include "check/RuleTable.h"
#include "check/TextRules.h"
#include "media/DeliveryFiles.h"

namespace {

using Findings = std::vector<Finding>;

constexpr std::string_view constructionWorks = "工事";
constexpr std::array<std::string_view, 9> standardCategories{
    "着手前及び完成写真", "施工状況写真", "安全管理写真", "使用材料写真", "品質管理写真",
    "出来形管理写真",     "災害写真",     "事故写真",     "その他"};
constexpr std::array<std::string_view, 3> photoExtensions{"JPG", "TIF", "SVG"};

template <typename List> bool contains(const List& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::string quoted(std::string_view text) {
    return "「" + std::string(text) + "」";
}

void checkSerial(const PhotoRecord& photo, Findings& found) {
    const std::string& serial = photo.slots[PhotoSlot::SerialNumber];
    if (serial.empty())
        found.push_back(makeFinding("serial-missing", "シリアル番号がありません"));
    else if (!isPositiveNumber(serial))
        found.push_back(makeFinding("serial-not-number", "シリアル番号" + quoted(serial) +
                                                             "は半角数字の正の整数ではありません"));
}

void checkRequired(const PhotoRecord& photo, Findings& found) {
    for (const PhotoSlot slot : {PhotoSlot::FileName, PhotoSlot::MajorCategory,
                                 PhotoSlot::PhotoCategory, PhotoSlot::Title, PhotoSlot::ShotDate}) {
        if (photo.slots[slot].empty())
            found.push_back(
                makeFinding("required-missing", std::string(elementName(slot)) + "がありません"));
    }
}

void checkDate(const PhotoRecord& photo, const WorksPeriod& period, Findings& found) {
    const std::string& date = photo.slots[PhotoSlot::ShotDate];
    if (date.empty())
        return;
    if (!isRealDate(date)) {
        found.push_back(
            makeFinding("date-format", "撮影年月日" + quoted(date) +
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
                                                          quoted(flag) +
                                                          "は 0 か 1 ではありません"));
    }
}

void checkClassification(const PhotoRecord& photo, Findings& found) {
    if (photo.slots[PhotoSlot::MajorCategory] != constructionWorks)
        return;
    const std::string& category = photo.slots[PhotoSlot::PhotoCategory];
    if (category.empty())
        return;
    if (!contains(standardCategories, category))
        found.push_back(makeFinding("category-value",
                                    "写真区分" + quoted(category) + "は基準の区分にありません"));
    else if (category != "着手前及び完成写真" && category != "その他" &&
             photo.slots[PhotoSlot::WorkType].empty())
        found.push_back(makeFinding("work-type-missing",
                                    "写真区分" + quoted(category) + "の写真に工種がありません"));
}

// prefix "file" or "drawing"; letter P or D; drawing the drawing's place, -1 for the photo.
void checkFileName(std::string_view name, std::string_view prefix, char letter, int drawing,
                   Findings& found) {
    if (name.empty())
        return;
    const std::string rule(prefix);
    const bool extensionAllowed = letter == 'D' || contains(photoExtensions, extensionOf(name));
    if (!isPlainFileName(name))
        found.push_back(
            makeFinding(rule + "-name-unsafe",
                        quoted(name) + "は PIC・DRA の中の一つのファイル名ではありません"));
    else if (!followsFileNameRule(name, letter) || !extensionAllowed)
        found.push_back(
            makeFinding(rule + "-name-rule", quoted(name) + "は " + std::string(1, letter) +
                                                 "＋数字7桁＋大文字の拡張子（" + letter +
                                                 "0000001.JPG など）ではありません"));
    else
        return;
    found.back().fileName = std::string(name);
    found.back().drawing = drawing;
}

} // namespace

std::vector<Finding> recordFindings(const PhotoRecord& photo, const WorksPeriod& period) {
    Findings found;
    checkSerial(photo, found);
    checkRequired(photo, found);
    checkDate(photo, period, found);
    checkFlags(photo, found);
    checkClassification(photo, found);
    checkFileName(photo.slots[PhotoSlot::FileName], "file", 'P', -1, found);
    for (std::size_t drawing = 0; drawing < photo.drawings.size(); ++drawing)
        checkFileName(photo.drawings[drawing].slots[DrawingSlot::DrawingFileName], "drawing", 'D',
                      int(drawing), found);
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

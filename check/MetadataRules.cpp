#include "check/MetadataRules.h"

#include <algorithm>
#include <array>

#include "check/RuleTable.h"
#include "check/TextRules.h"
#include "model/TextForms.h"
#include "model/TextNormalizer.h"

namespace {

using Findings = std::vector<Finding>;

constexpr std::string_view editedHint = "編集ソフトで保存された可能性があります";

// Image editors as they name themselves in EXIF Software, in upper case; a camera names its
// firmware there.
constexpr std::array<std::string_view, 18> editorNames{
    "PHOTOSHOP",  "GIMP",        "LIGHTROOM",  "PAINT.NET",   "ペイント", "PAINTSHOP",
    "PAINT SHOP", "AFFINITY",    "PIXELMATOR", "PICASA",      "ACDSEE",   "IRFANVIEW",
    "XNVIEW",     "CAPTURE ONE", "DARKTABLE",  "RAWTHERAPEE", "JTRIM",    "PHOTO EDITOR"};

void checkSoftware(const MakingFacts& making, Findings& found) {
    const std::string software = upperAscii(making.software);
    const bool editor =
        std::any_of(editorNames.begin(), editorNames.end(), [&](std::string_view name) {
            return software.find(name) != std::string::npos;
        });
    if (editor)
        found.push_back(makeFinding("edit-software", "Exif の Software が「" + making.software +
                                                         "」です。" + std::string(editedHint)));
}

void checkRecordedSize(const FileFacts& facts, Findings& found) {
    const MakingFacts& making = facts.making;
    if (making.recordedWidth <= 0 || making.recordedHeight <= 0 || facts.width <= 0)
        return;
    const int width = making.quarterTurned ? making.recordedHeight : making.recordedWidth;
    const int height = making.quarterTurned ? making.recordedWidth : making.recordedHeight;
    if (width != facts.width || height != facts.height)
        found.push_back(makeFinding(
            "edit-resized", "Exif に記録された大きさ " + std::to_string(width) + "×" +
                                std::to_string(height) + " と画像の大きさ " +
                                std::to_string(facts.width) + "×" + std::to_string(facts.height) +
                                " が違います。" + std::string(editedHint)));
}

// "2024:05:10 10:00:00" as dates are written everywhere else: "2024-05-10 10:00:00".
std::string readableMoment(std::string moment) {
    moment[4] = moment[7] = '-';
    return moment;
}

void checkChangeTime(const MakingFacts& making, Findings& found) {
    const auto taken = exifMoment(making.taken);
    const auto changed = exifMoment(making.changed);
    if (taken && changed && *changed - *taken > 60)
        found.push_back(
            makeFinding("edit-modified", "Exif の更新日時 " + readableMoment(making.changed) +
                                             " が撮影日時 " + readableMoment(making.taken) +
                                             " より後です。" + std::string(editedHint)));
}

// The blackboard's items by the label 写真の情報 gives them, and the record's of one meaning.
struct BoardItem {
    std::string_view label;
    PhotoSlot slot;
};
constexpr BoardItem boardItems[] = {
    {"工種", PhotoSlot::WorkType},
    {"種別", PhotoSlot::WorkKind},
    {"細別", PhotoSlot::WorkDetail},
    {"写真タイトル", PhotoSlot::Title},
    {"測点（撮影箇所）", PhotoSlot::ShotLocation},
    {"撮影日", PhotoSlot::ShotDate},
};

// The blackboard may write its date with a time, or with slashes.
std::string comparable(std::string value, PhotoSlot slot) {
    if (slot != PhotoSlot::ShotDate)
        return value;
    value = value.substr(0, 10);
    std::replace(value.begin(), value.end(), '/', '-');
    std::replace(value.begin(), value.end(), ':', '-');
    return value;
}

void checkBlackboard(const FileFacts& facts, const PhotoRecord& photo, Findings& found) {
    for (const auto& [label, value] : facts.blackboard) {
        const auto item = std::find_if(std::begin(boardItems), std::end(boardItems),
                                       [&](const BoardItem& b) { return b.label == label; });
        if (item == std::end(boardItems))
            continue;
        const std::string& recorded = photo.slots[item->slot];
        if (!recorded.empty() && comparable(normalizeText(value), item->slot) != recorded)
            found.push_back(makeFinding("blackboard-mismatch", "電子黒板の" + label + "「" + value +
                                                                   "」が写真管理ファイルの「" +
                                                                   recorded + "」と違います"));
    }
}

} // namespace

std::vector<Finding> metadataFindings(const FileFacts& facts, const PhotoRecord& photo) {
    Findings found;
    checkSoftware(facts.making, found);
    checkRecordedSize(facts, found);
    checkChangeTime(facts.making, found);
    checkBlackboard(facts, photo, found);
    return found;
}

#include "views/PhotoInformation.h"

#include <algorithm>

#include <QDir>

#include "check/FileRules.h"
#include "views/PlainText.h"

namespace {

// The XML's shooting day and the camera's disagree.
bool datesDiffer(const PhotoRecord& photo, const PhotoMetadata& metadata) {
    const std::string& shot = photo.slots[PhotoSlot::ShotDate];
    return metadata.shotDay && !shot.empty() && *metadata.shotDay != shot;
}

InfoSection deliverySection(const PhotoRecord& photo, bool dateMismatch,
                            const std::vector<PhotoSlot>& reported) {
    InfoSection section{"写真XML", {}, {}};
    for (int index = 0; index < photo.slots.count; ++index) {
        const auto slot = static_cast<PhotoSlot>(index);
        const std::string& value = photo.slots[slot];
        if (value.empty())
            continue;
        const std::string_view label =
            slot == PhotoSlot::ContractorRemark ? photo.contractorRemarkName : elementName(slot);
        const bool marked = (dateMismatch && slot == PhotoSlot::ShotDate) ||
                            std::find(reported.begin(), reported.end(), slot) != reported.end();
        section.rows.push_back({qStringOf(label), qStringOf(value), marked});
    }
    return section;
}

InfoSection fileSection(const PhotoFileInfo& file) {
    InfoSection section{"ファイル", {}, {}};
    if (file.path.empty()) {
        section.note = "ファイル名が不正です（開きません）。";
        return section;
    }
    section.rows.push_back({"場所", QDir::cleanPath(qStringOf(file.path))}); // without "/./"
    const FileFacts& facts = file.facts;
    if (!facts.exists) {
        section.note = "この媒体にありません。";
        return section;
    }
    section.rows.push_back({"大きさ", groupedNumber(qint64(file.size)) + " バイト"});
    const std::string_view format = formatName(facts.format);
    section.rows.push_back({"形式", format.empty() ? "画像ではありません" : qStringOf(format)});
    if (facts.width > 0)
        section.rows.push_back({"画素数", QString("%1 × %2").arg(groupedNumber(facts.width),
                                                                 groupedNumber(facts.height))});
    if (!facts.decodable)
        section.note = "画像を表示できません（壊れているか、画像ではありません）。";
    else if (facts.truncated)
        section.note = "ファイルが途中で切れています（JPEG の終わりの印がありません）。";
    return section;
}

InfoSection exifSection(const PhotoMetadata& metadata, bool dateMismatch) {
    InfoSection section{"EXIF", {}, {}};
    for (const MetadataItem& item : metadata.exif)
        section.rows.push_back({qStringOf(item.label), qStringOf(item.value),
                                dateMismatch && item.label.starts_with("撮影日時")});
    if (section.rows.empty())
        section.note = "EXIF の情報はありません。";
    else if (dateMismatch)
        section.note = "撮影日時が写真XMLの撮影年月日と異なります。";
    return section;
}

InfoSection blackboardSection(const PhotoMetadata& metadata) {
    InfoSection section{"電子小黒板", {}, {}};
    for (const MetadataItem& item : metadata.blackboard)
        section.rows.push_back({qStringOf(item.label), qStringOf(item.value)});
    if (metadata.tamperCheckValue)
        section.note = "改ざん検知値があります。TESSEL はこれを検証しません。"
                       "検証には認定された確認ツールが必要です。";
    else if (!section.rows.empty())
        section.note = "改ざん検知値はありません。";
    return section;
}

} // namespace

std::vector<InfoSection> photoInfoSections(const PhotoRecord& photo, const PhotoFileInfo& file,
                                           const std::vector<PhotoSlot>& reported) {
    const bool dateMismatch = datesDiffer(photo, file.metadata);
    std::vector<InfoSection> sections{deliverySection(photo, dateMismatch, reported),
                                      fileSection(file)};
    if (file.facts.format == FileFormat::Jpeg) {
        sections.push_back(exifSection(file.metadata, dateMismatch));
        if (!file.metadata.blackboard.empty() || file.metadata.tamperCheckValue)
            sections.push_back(blackboardSection(file.metadata));
    }
    return sections;
}

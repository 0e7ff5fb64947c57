#pragma once

// What the tests of the check share: a probe that reports what a test says of each file, sound
// photos and deliveries, and the findings in the forms the tests compare.

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "check/DeliveryCheck.h"
#include "check/FolderRules.h"
#include "media/DeliveryLocation.h"

// Facts by file name; a file not listed is a sound 1280 × 960 JPEG taken on 2024-05-10.
class FakeProbe : public FileProbe {
public:
    std::map<std::string, FileFacts> facts;

    FileFacts probe(const MediaFile& file) const override {
        const auto found = facts.find(file.path.substr(file.path.rfind('/') + 1));
        return found != facts.end() ? found->second : soundFile();
    }
    static FileFacts soundFile() {
        FileFacts sound;
        sound.exists = sound.decodable = true;
        sound.format = FileFormat::Jpeg;
        sound.width = 1280;
        sound.height = 960;
        sound.exifDate = "2024-05-10";
        return sound;
    }
};

inline std::unique_ptr<PhotoRecord> soundPhoto(int serial) {
    auto photo = std::make_unique<PhotoRecord>();
    const std::string number = std::to_string(serial);
    photo->slots[PhotoSlot::SerialNumber] = number;
    photo->slots[PhotoSlot::FileName] = "P" + std::string(7 - number.size(), '0') + number + ".JPG";
    photo->slots[PhotoSlot::MediaNumber] = "1";
    photo->slots[PhotoSlot::MajorCategory] = "工事";
    photo->slots[PhotoSlot::PhotoCategory] = "施工状況写真";
    photo->slots[PhotoSlot::WorkType] = "道路土工";
    photo->slots[PhotoSlot::Title] = "掘削状況";
    photo->slots[PhotoSlot::ShotDate] = "2024-05-10";
    photo->slots[PhotoSlot::Representative] = "0";
    photo->slots[PhotoSlot::SubmissionFrequency] = "0";
    return photo;
}

// A delivery of R5.3 as it should be, without photos.
inline PhotoDataSet soundDelivery() {
    PhotoDataSet data;
    data.prolog = {"Shift_JIS", true, "PHOTO05.DTD", "05"};
    data.basicInfo[BasicSlot::PhotoFolderName] = "PHOTO/PIC";
    data.basicInfo[BasicSlot::AppliedStandard] = "土木202303-01";
    return data;
}

inline CheckInput inputFor(const PhotoDataSet& data, const std::string& folder = "/nowhere/",
                           const EditionRules* edition = nullptr) {
    return {data, deliveryFoldersOf(folder + "PHOTO.XML"), "1", {}, "", "", "2", edition};
}

// input with the INDEX_C.XML beside its delivery folder, read as an open reads it.
inline CheckInput withDiscIndex(CheckInput input) {
    const std::string photoXml = (deliveryFolderOf(input) / "PHOTO.XML").string();
    IndexBeside beside = readIndexBeside(photoXml);
    input.indexPath = std::move(beside.path);
    input.index = std::move(beside.index);
    return input;
}

// The findings but the line that names the edition, which every check begins with.
inline std::vector<Finding> findingsOf(const CheckResult& result) {
    std::vector<Finding> findings = result.findings;
    std::erase_if(findings, [](const Finding& f) { return f.ruleId == "edition"; });
    return findings;
}

// Rule and path of each finding, in order.
inline std::vector<std::pair<std::string, std::string>>
rulesAndPaths(const std::vector<Finding>& found) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const Finding& finding : found)
        pairs.emplace_back(finding.ruleId, finding.fileName);
    return pairs;
}

// The INDEX_C.XML of disc medium of count, as it should be.
inline std::string soundIndexXml(const std::string& medium = "1", const std::string& count = "2") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE constdata SYSTEM \"INDE_C05.DTD\">\n"
           "<constdata DTD_version=\"05\"><基礎情報><メディア番号>" +
           medium + "</メディア番号><メディア総枚数>" + count +
           "</メディア総枚数><適用要領基準>土木202303-01</適用要領基準>"
           "<写真フォルダ名>PHOTO</写真フォルダ名></基礎情報><工事件名等>"
           "<工事番号>0012345</工事番号><工事名称>道路改良工事</工事名称>"
           "<工期開始日>2024-04-01</工期開始日><工期終了日>2025-03-31</工期終了日>"
           "</工事件名等></constdata>\n";
}

#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "model/ConstructionInfo.h"
#include "model/PhotoDataSet.h"
#include "model/PhotoList.h"
#include "model/PhotoRecord.h"

namespace {

ConstructionInfo
construction(std::initializer_list<std::pair<ConstructionSlot, const char*>> texts) {
    ConstructionInfo info;
    for (const auto& [slot, text] : texts)
        info.slots[slot] = text;
    info.composeDisplayLines();
    return info;
}

PhotoRecord photo(std::initializer_list<std::pair<PhotoSlot, const char*>> texts) {
    PhotoRecord record;
    for (const auto& [slot, text] : texts)
        record.slots[slot] = text;
    record.composeDisplayTexts();
    return record;
}

std::unique_ptr<PhotoRecord> newPhoto(const char* serial) {
    auto record = std::make_unique<PhotoRecord>();
    record->slots[PhotoSlot::SerialNumber] = serial;
    return record;
}

} // namespace

TEST(ConstructionLines, NumberLinePrefersTheConstructionNumber) {
    using S = ConstructionSlot;
    EXPECT_EQ(construction({{S::ConstructionNumber, "123"}, {S::ProjectNumber, "9"}}).numberLine,
              "工事番号：123");
    EXPECT_EQ(construction({{S::ProjectNumber, "9"}}).numberLine, "案件番号：9");
    EXPECT_EQ(construction({}).numberLine, "");
}

TEST(ConstructionLines, TitleLineWithPeriod) {
    using S = ConstructionSlot;
    EXPECT_EQ(construction({{S::PeriodEnd, "2020-03-31"}}).titleLine, "工期：～2020-03-31");
    EXPECT_EQ(construction({{S::ConstructionName, "橋梁工事"}}).titleLine, "橋梁工事");
    EXPECT_EQ(construction({{S::ConstructionName, "橋梁工事"},
                            {S::PeriodStart, "2019-04-01"},
                            {S::PeriodEnd, "2020-03-31"}})
                  .titleLine,
              "橋梁工事\n工期：2019-04-01～2020-03-31");
}

TEST(ConstructionLines, PartiesLine) {
    using S = ConstructionSlot;
    EXPECT_EQ(construction({}).partiesLine, "発注者：\n請負者：");
    EXPECT_EQ(construction({{S::OrdererMiddle, "関東地方整備局"}}).partiesLine,
              "発注者：　関東地方整備局\n請負者：");
    EXPECT_EQ(construction({{S::OrdererMajor, "国土交通省"},
                            {S::OrdererMiddle, "関東"},
                            {S::OrdererMinor, "甲事務所"},
                            {S::ContractorName, "㈱髙橋建設"},
                            {S::ContractorNote, "JV"},
                            {S::OrdererCode, "12345678"}})
                  .partiesLine,
              "発注者：国土交通省　関東　甲事務所\n請負者：㈱髙橋建設　JV");
}

TEST(PhotoTexts, CaptionIsThePathThenTheTitleOnItsOwnLineWithEmptyLevelsSkipped) {
    using S = PhotoSlot;
    EXPECT_EQ(photo({{S::Title, "完成"}}).captionText, "完成");
    EXPECT_EQ(photo({}).captionText, "");
    EXPECT_EQ(
        photo({{S::MajorCategory, "工事"}, {S::WorkType, "土工"}, {S::Title, "掘削"}}).captionText,
        "工事/土工\n掘削");
}

TEST(PhotoTexts, DetailListsLabelledValues) {
    using S = PhotoSlot;
    EXPECT_EQ(photo({{S::ControlValue, "10.5m"}}).detailText, "施工管理値：10.5m");
    EXPECT_EQ(photo({{S::ShotLocation, "No.1"},
                     {S::ShotDate, "2020-01-01"},
                     {S::ContractorRemark, "良好"},
                     {S::Representative, "1"}})
                  .detailText,
              "撮影箇所：No.1\n撮影年月日：2020-01-01\n請負者説明文：良好");
}

TEST(PhotoRecordCopy, CopiesEverythingButTheUseCount) {
    PhotoRecord original = photo({{PhotoSlot::Title, "t"}});
    original.drawings.emplace_back();
    original.useCount = 3;
    const PhotoRecord copy(original);
    EXPECT_EQ(copy.useCount, 0);
    EXPECT_EQ(copy.slots, original.slots);
    EXPECT_EQ(copy.captionText, "t");
    EXPECT_EQ(copy.drawings.size(), 1u);
}

TEST(PhotoListSharing, SharedRecordsLiveUntilTheLastListLetsGo) {
    PhotoList first;
    first.adopt(newPhoto("1"));
    first.adopt(newPhoto("2"));
    PhotoList second;
    second.shareFrom(first);
    EXPECT_EQ(&first[0], &second[0]);
    EXPECT_EQ(first[1].useCount, 2);

    first.clear();
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[1].useCount, 1);
    EXPECT_EQ(second[1].slots[PhotoSlot::SerialNumber], "2");
}

TEST(PhotoListSharing, DeepCopyOwnsNewRecords) {
    PhotoDataSet source;
    for (const char* serial : {"1", "2", "3"})
        source.photos.adopt(newPhoto(serial));
    const PhotoDataSet copy(source);
    ASSERT_EQ(copy.photos.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NE(&copy.photos[i], &source.photos[i]);
        EXPECT_EQ(copy.photos[i].useCount, 1);
    }
    source.photos.clear();
    EXPECT_EQ(copy.photos[2].slots[PhotoSlot::SerialNumber], "3");
}

TEST(PhotoDataSetReset, LeavesEmptySlotsAndNoPhotos) {
    PhotoDataSet data;
    data.basicInfo[BasicSlot::PhotoFolderName] = "PIC";
    data.hasConstructionInfo = true;
    data.constructionInfo = construction({{ConstructionSlot::ConstructionName, "x"}});
    data.photos.adopt(newPhoto("1"));
    data.reset();
    EXPECT_EQ(data.basicInfo, BasicInfo{});
    EXPECT_FALSE(data.hasConstructionInfo);
    EXPECT_EQ(data.constructionInfo.slots, ConstructionInfo{}.slots);
    EXPECT_EQ(data.constructionInfo.titleLine, "");
    EXPECT_EQ(data.constructionInfo.partiesLine, "");
    EXPECT_TRUE(data.photos.empty());
}

TEST(Dump, WritesEveryRecordInTableOrder) {
    PhotoDataSet data;
    data.basicInfo[BasicSlot::AppliedStandard] = "土木202003-01";
    auto record = newPhoto("7");
    record->controlValueReserves = {"a", "b"};
    ReferenceDrawing drawing;
    drawing.slots[DrawingSlot::DrawingFileName] = "D0000001.JPG";
    drawing.reserves = {"r"};
    record->drawings.push_back(drawing);
    data.photos.adopt(std::move(record));

    std::ostringstream out;
    DumpSink sink(out);
    data.dump(sink);
    const std::string text = out.str();

    EXPECT_EQ(text.rfind("基礎情報：photodata＝\n基礎情報：基礎情報＝\n", 0), 0u);
    EXPECT_NE(text.find("基礎情報：適用要領基準＝土木202003-01\n"), std::string::npos);
    EXPECT_EQ(text.find("工事情報："), std::string::npos); // no construction section was read
    const auto drawingLine = text.find("付加情報：参考図ファイル名＝D0000001.JPG\n");
    const auto lastSlot = text.find("写真情報：提出頻度写真＝\n");
    const auto reserve = text.find("写真情報：施工管理値予備＝a\n写真情報：施工管理値予備＝b\n");
    EXPECT_NE(text.find("写真情報：シリアル番号＝7\n"), std::string::npos);
    EXPECT_LT(lastSlot, drawingLine);
    EXPECT_LT(drawingLine, text.find("付加情報：付加情報予備＝r\n"));
    EXPECT_LT(drawingLine, reserve);
    EXPECT_NE(reserve, std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7 + 22 + 6 + 1 + 2);
}

#include "document/PhotoSearch.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/CQuillonDoc.h"
#include "document/SearchText.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"

TEST(SearchText, WhatLooksAlikeMatches) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"ＡＢＣ１２３ｘ", "abc123x"},
        {"No.１２+５.０", "no.12+5.0"},
        {"ｶﾞｲﾄﾞ ﾊﾟｲﾌﾟ", "ガイド パイプ"},
        {"ｳﾞｨ ﾂﾞ ﾄﾞ", "ヴィ ヅ ド"},
        {"ｱﾞ", "ア゛"}, // a mark that joins nothing stays
        {"掘削　工", "掘削 工"},
        {"\xFF", "\xFF"}, // not UTF-8: unchanged
    };
    for (const auto& expected : cases)
        EXPECT_EQ(foldForSearch(expected.text), expected.folded) << expected.text;
    EXPECT_EQ(searchWords("　ａ　 Ｂ "), (std::vector<std::string>{"a", "b"}));
}

namespace {

SearchQuery words(const char* text) {
    SearchQuery query;
    query.text = text;
    return query;
}

class SearchedPhotos : public ::testing::Test {
protected:
    void add(const std::string& serial, const std::string& title, const std::string& date,
             bool representative = false) {
        auto record = std::make_unique<PhotoRecord>();
        record->slots[PhotoSlot::SerialNumber] = serial;
        record->slots[PhotoSlot::Title] = title;
        record->slots[PhotoSlot::ShotDate] = date;
        record->slots[PhotoSlot::Representative] = representative ? "1" : "0";
        record->slots[PhotoSlot::FileName] = "P" + serial + ".JPG";
        photos.adopt(std::move(record));
    }
    std::vector<std::string> found(const SearchQuery& query) {
        std::vector<std::string> serials;
        PhotoList shared;
        shared.shareFrom(photos);
        for (const PhotoRecord* photo : PhotoSearch(std::move(shared)).matches(query))
            serials.push_back(photo->slots[PhotoSlot::SerialNumber]);
        return serials;
    }
    PhotoList photos;
};

} // namespace

TEST_F(SearchedPhotos, EveryWordAndEveryFilterMustMatch) {
    add("3", "測点ＮＯ．１２ 掘削状況", "2024-06-02", true);
    add("1", "測点No.12 床掘", "2024-05-31");
    add("2", "測点No.13 掘削", "2024-06-30");
    using Serials = std::vector<std::string>;
    EXPECT_EQ(found(words("no.12")), (Serials{"1", "3"})); // in serial order
    EXPECT_EQ(found(words("掘削 No.1")), (Serials{"2", "3"}));
    EXPECT_EQ(found(words("掘削 no.12")), (Serials{"3"}));
    EXPECT_EQ(found(words("p2.jpg")), (Serials{"2"})); // the file name too
    EXPECT_EQ(found(words("12掘")), Serials{});        // words do not run across texts
    SearchQuery june = words("測点");
    june.shotFrom = "2024-06-01";
    june.shotTo = "2024-06-30";
    EXPECT_EQ(found(june), (Serials{"2", "3"}));
    june.representativeOnly = true;
    EXPECT_EQ(found(june), (Serials{"3"}));
}

namespace {

class SearchingDocument : public ::testing::Test {
protected:
    SearchingDocument() {
        std::vector<TestPhoto> photos{
            {"5", "A", "x"}, {"1", "B"}, {"3", "A", "y"}, {"2", "A", "x"}};
        path = writeScratchFile("PHOTO.XML", testDeliveryXml(photos)).string();
    }
    static std::string serialOf(const CQuillonDoc& document) {
        return document.currentPhoto()->slots[PhotoSlot::SerialNumber];
    }
    FakeDocumentHost host;
    std::string path;
};

} // namespace

TEST_F(SearchingDocument, MatchesBecomeTheOrderAndTheCurrentPhotoIsKeptAfter) {
    CQuillonDoc document(host);
    ASSERT_TRUE(document.OnOpenDocument(path));
    ASSERT_TRUE(document.goToPhoto(2, nullptr)); // "3"
    // Titles are T<serial>, places L<serial>: "t" matches all, "l2" and "l5" one each.
    EXPECT_EQ(document.search(words("t"), nullptr), 4u);
    EXPECT_EQ(serialOf(document), "3");
    EXPECT_EQ(document.search(words("a"), nullptr), 3u); // classification A: 2, 3, 5
    EXPECT_EQ(serialOf(document), "3");
    EXPECT_EQ(document.photoOrder().size(), 3u);
    EXPECT_EQ(document.search(words("l2"), nullptr), 1u); // before the current: the first match
    EXPECT_EQ(serialOf(document), "2");
    EXPECT_EQ(document.search(words("nothing"), nullptr), 0u); // no match ends the search
    EXPECT_FALSE(document.searching());
    EXPECT_EQ(document.photoOrder().size(), 4u);
    EXPECT_EQ(serialOf(document), "2");
    EXPECT_EQ(document.currentIndex(), 1);
}

TEST_F(SearchingDocument, EndingASearchInModeOneKeepsThePhotoInItsNode) {
    host.saved.browseMode = BrowseMode::ChosenNode;
    CQuillonDoc document(host);
    ASSERT_TRUE(document.OnOpenDocument(path));
    ASSERT_TRUE(document.selectNode(document.rootNode().findChild("B"), nullptr));
    ASSERT_EQ(document.search(words("l5"), nullptr), 1u);
    document.endSearch(nullptr);
    EXPECT_EQ(serialOf(document), "5");
    EXPECT_EQ(document.selectedNode(), document.rootNode().findChild("A")->findChild("x"));
    EXPECT_EQ(document.photoOrder().size(), 2u);

    ASSERT_EQ(document.search(words("t"), nullptr), 4u);
    ASSERT_TRUE(document.selectNode(document.rootNode().findChild("B"), nullptr));
    EXPECT_FALSE(document.searching()); // choosing a node ends the search
}

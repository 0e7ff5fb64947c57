#include "model/ConstructionIndex.h"

#include <sstream>

#include <gtest/gtest.h>

#include "media/DeliveryLocation.h"
#include "model/PhotoXmlReader.h"
#include "tests/support/ScratchFiles.h"

namespace {

std::string indexFile(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE constdata SYSTEM \"INDE_C05.DTD\">\n<constdata DTD_version=\"05\">" +
           body + "</constdata>\n";
}

const std::string namePeriod =
    "<工事件名等><工事番号>0012</工事番号><工事名称>道路改良工事</工事名称>"
    "<工期開始日>2010-04-01</工期開始日>"
    "<工期終了日>2011-03-31</工期終了日></工事件名等>";

// A disc with a delivery in its PHOTO folder; returns the photo XML file's path.
std::string discWith(const std::string& indexName, const std::string& indexText,
                     const std::string& photoXml = "<photodata/>") {
    writeScratchFile("disc/" + indexName, indexText);
    return writeScratchFile("disc/PHOTO/PHOTO.XML", photoXml).string();
}

PhotoDataSet openedData(const std::string& photoXmlPath) {
    PhotoDataSet data;
    PhotoXmlReader().load(photoXmlPath, data);
    if (const IndexBeside beside = readIndexBeside(photoXmlPath); beside.index)
        completeConstructionInfo(data, beside.path, *beside.index);
    return data;
}

} // namespace

TEST(ConstructionIndex, EveryGenerationOfTheFileGivesTheThreeLines) {
    struct Case {
        const char* generation;
        std::string body;
        std::string partiesLine;
    };
    const Case cases[] = {
        {"oldest",
         namePeriod +
             "<発注者情報><発注者機関事務所名>〇〇国道事務所</発注者機関事務所名></発注者情報>"
             "<請負者情報><請負者名>㈱髙橋建設</請負者名><請負者コード>9</請負者コード>"
             "</請負者情報>",
         "発注者：〇〇国道事務所\n請負者：㈱髙橋建設"},
        {"2010",
         namePeriod + "<発注者情報><発注者-大分類>国土交通省</発注者-大分類>"
                      "<発注者-中分類>関東地方整備局</発注者-中分類>"
                      "<発注者-小分類>〇〇国道事務所</発注者-小分類><発注者コード>1</発注者コード>"
                      "</発注者情報><受注者情報><受注者名>㈱テッセル建設</受注者名></受注者情報>",
         "発注者：国土交通省　関東地方整備局　〇〇国道事務所\n受注者：㈱テッセル建設"},
        {"newest",
         namePeriod + "<発注者情報><発注者-大分類>国土交通省</発注者-大分類>"
                      "<工事担当課>道路工事課</工事担当課></発注者情報>"
                      "<受注者情報><受注者名>㈱テッセル建設</受注者名></受注者情報>",
         "発注者：国土交通省\n受注者：㈱テッセル建設"},
    };
    for (const Case& test : cases) {
        const auto info =
            readConstructionIndex(writeScratchFile("INDEX_C.XML", indexFile(test.body)).string());
        ASSERT_TRUE(info) << test.generation;
        EXPECT_EQ(info->numberLine, "工事番号：0012") << test.generation;
        EXPECT_EQ(info->titleLine, "道路改良工事\n工期：2010-04-01～2011-03-31") << test.generation;
        EXPECT_EQ(info->partiesLine, test.partiesLine) << test.generation;
    }
}

TEST(ConstructionIndex, TheDiscsFileFillsInWhatThePhotoFileLacks) {
    const std::string photoXml = discWith("index_c.xml", indexFile(namePeriod)); // lower case
    const PhotoDataSet data = openedData(photoXml);
    ASSERT_TRUE(data.hasConstructionInfo);
    EXPECT_EQ(data.constructionInfo.slots[ConstructionSlot::ConstructionName], "道路改良工事");
    EXPECT_EQ(data.constructionInfoSource, (scratchFolder() / "disc/index_c.xml").string());

    // A 工事情報 section of the photo file's own always wins.
    const PhotoDataSet own = openedData(
        writeScratchFile("disc/PHOTO/PHOTO.XML",
                         "<photodata><工事情報><工事名称>自前</工事名称></工事情報></photodata>")
            .string());
    EXPECT_EQ(own.constructionInfo.slots[ConstructionSlot::ConstructionName], "自前");
    EXPECT_EQ(own.constructionInfoSource, "");
}

TEST(ConstructionIndex, AMissingDamagedForeignOrHostileFileGivesNothing) {
    const auto secret = writeScratchFile("secret.txt", "TOPSECRET");
    const std::string hostile =
        "<?xml version=\"1.0\"?><!DOCTYPE constdata [<!ENTITY leak SYSTEM \"file://" +
        secret.string() + "\">]><constdata><工事名称>&leak;</工事名称></constdata>";
    for (const std::string& text :
         {indexFile(namePeriod).substr(0, 120), std::string("<other>") + namePeriod + "</other>",
          std::string("not xml at all"), hostile}) {
        const PhotoDataSet data = openedData(discWith("INDEX_C.XML", text));
        EXPECT_FALSE(data.hasConstructionInfo) << text;
        std::ostringstream dump;
        DumpSink sink(dump);
        data.dump(sink);
        EXPECT_EQ(dump.str().find("TOPSECRET"), std::string::npos);
    }
    std::filesystem::remove(scratchFolder() / "disc/INDEX_C.XML");
    EXPECT_FALSE(
        openedData((scratchFolder() / "disc/PHOTO/PHOTO.XML").string()).hasConstructionInfo);
}

TEST(ConstructionIndex, TheNewerRemarkElementIsShownUnderItsOwnName) {
    PhotoDataSet data;
    PhotoXmlReader().load(writeScratchFile("PHOTO.XML",
                                           "<photodata><写真情報><受注者説明文>仮設</受注者説明文>"
                                           "</写真情報><写真情報><請負者説明文>旧</請負者説明文>"
                                           "</写真情報></photodata>")
                              .string(),
                          data);
    ASSERT_EQ(data.photos.size(), 2u);
    EXPECT_EQ(data.photos[0].detailText, "受注者説明文：仮設");
    EXPECT_EQ(data.photos[1].detailText, "請負者説明文：旧");
}

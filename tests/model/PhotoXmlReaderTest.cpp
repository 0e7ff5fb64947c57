#include "model/PhotoXmlReader.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/ScratchFiles.h"

namespace {

const std::string utf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

PhotoDataSet loadBytes(const std::string& bytes) {
    const auto path = writeScratchFile("PHOTO.XML", bytes);
    PhotoDataSet data;
    PhotoXmlReader reader;
    EXPECT_EQ(reader.load(path.string(), data), 0);
    return data;
}

PhotoDataSet loadXml(const std::string& body) {
    return loadBytes(utf8Declaration + body);
}

std::string text(const PhotoDataSet& data, std::size_t photo, PhotoSlot slot) {
    return data.photos[photo].slots[slot];
}

const std::string modernDelivery = R"(<!DOCTYPE photodata SYSTEM "PHOTO05.DTD">
<?xml-stylesheet type="text/xsl" href="PHOTO05.XSL"?>
<photodata DTD_version="05">
  <基礎情報>
    <写真フォルダ名>PHOTO/PIC</写真フォルダ名>
    <参考図フォルダ名>PHOTO/DRA</参考図フォルダ名>
    <適用要領基準>土木202003-01</適用要領基準>
  </基礎情報>
  <写真情報>
    <写真ファイル情報>
      <シリアル番号>1</シリアル番号>
      <写真ファイル名>P0000001.JPG</写真ファイル名>
      <メディア番号>1</メディア番号>
    </写真ファイル情報>
    <撮影工種区分>
      <写真-大分類>工事</写真-大分類>
      <写真区分>施工状況写真</写真区分>
      <工種>道路土工</工種>
      <種別>掘削工</種別>
      <細別>土砂掘削</細別>
      <写真タイトル>掘削状況</写真タイトル>
    </撮影工種区分>
    <付加情報>
      <参考図ファイル名>D0000001.JPG</参考図ファイル名>
      <参考図タイトル>平面図</参考図タイトル>
      <付加情報予備>予備1</付加情報予備>
    </付加情報>
    <撮影情報>
      <撮影箇所>No.3+20</撮影箇所>
      <撮影年月日>2020-05-01</撮影年月日>
    </撮影情報>
    <施工管理値>幅 3.0m</施工管理値>
    <代表写真>1</代表写真>
  </写真情報>
  <ソフトメーカ用TAG>x</ソフトメーカ用TAG>
</photodata>
)";

} // namespace

TEST(PhotoXmlReaderSections, ReadsAModernDeliveryWithoutItsDtd) {
    const PhotoDataSet data = loadXml(modernDelivery);
    EXPECT_EQ(data.basicInfo[BasicSlot::PhotoFolderName], "PHOTO/PIC");
    EXPECT_EQ(data.basicInfo[BasicSlot::AppliedStandard], "土木202003-01");
    EXPECT_FALSE(data.hasConstructionInfo);
    // What the check judges the edition and the encoding by.
    EXPECT_EQ(data.prolog.encoding, "UTF-8");
    EXPECT_TRUE(data.prolog.hasDoctype);
    EXPECT_EQ(data.prolog.systemId, "PHOTO05.DTD");
    EXPECT_EQ(data.prolog.dtdVersion, "05");
    ASSERT_EQ(data.photos.size(), 1u);
    const PhotoRecord& photo = data.photos[0];
    EXPECT_EQ(photo.slots[PhotoSlot::FileName], "P0000001.JPG");
    EXPECT_EQ(photo.slots[PhotoSlot::WorkDetail], "土砂掘削");
    EXPECT_EQ(photo.slots[PhotoSlot::ShotDate], "2020-05-01");
    EXPECT_EQ(photo.captionText, "工事/施工状況写真/道路土工/掘削工/土砂掘削\n掘削状況");
    EXPECT_EQ(photo.detailText, "撮影箇所：No.3+20\n撮影年月日：2020-05-01\n施工管理値：幅 3.0m");
    ASSERT_EQ(photo.drawings.size(), 1u);
    EXPECT_EQ(photo.drawings[0].slots[DrawingSlot::DrawingTitle], "平面図");
    EXPECT_EQ(photo.drawings[0].reserves, std::vector<std::string>{"予備1"});
    EXPECT_EQ(photo.useCount, 1);
}

TEST(PhotoXmlReaderSections, NotesElementsOutsideTheirGroup) {
    EXPECT_TRUE(loadXml(modernDelivery).misplacedElements.empty());
    // 撮影年月日 outside 撮影情報 in two photos, a name no edition knows, and what a vendor's
    // own block holds (never judged).
    std::string xml = modernDelivery;
    const auto replace = [&xml](const std::string& from, const std::string& to) {
        xml.replace(xml.find(from), from.size(), to);
    };
    replace(
        "      <撮影年月日>2020-05-01</撮影年月日>\n    </撮影情報>\n",
        "      <撮影者>山田</撮影者>\n    </撮影情報>\n    <撮影年月日>2020-05-01</撮影年月日>\n");
    const std::size_t photo = xml.find("  <写真情報>");
    const std::size_t vendor = xml.find("  <ソフトメーカ用TAG>");
    xml.insert(vendor, xml.substr(photo, vendor - photo));
    replace("<ソフトメーカ用TAG>x", "<ソフトメーカ用TAG><独自>x</独自>");
    const PhotoDataSet data = loadXml(xml);
    ASSERT_EQ(data.misplacedElements.size(), 2u);
    const MisplacedElement& unknown = data.misplacedElements[0];
    EXPECT_EQ(unknown.name, "撮影者");
    EXPECT_EQ(unknown.parent, "撮影情報");
    EXPECT_EQ(unknown.expectedParent, "");
    EXPECT_EQ(unknown.firstLine, 31);
    const MisplacedElement& date = data.misplacedElements[1];
    EXPECT_EQ(date.name, "撮影年月日");
    EXPECT_EQ(date.parent, "写真情報");
    EXPECT_EQ(date.expectedParent, "撮影情報");
    EXPECT_EQ(date.count, 2);
}

TEST(PhotoXmlReaderSections, ReadsConstructionInformationOfOlderFiles) {
    const PhotoDataSet data = loadXml(R"(<photodata><工事情報>
        <工事番号>0012</工事番号><工事名称>〇〇橋補修工事</工事名称>
        <発注者コード>99</発注者コード><請負者名>㈱テスト</請負者名>
      </工事情報><工事情報><工事番号>0013</工事番号></工事情報></photodata>)");
    EXPECT_TRUE(data.hasConstructionInfo);
    EXPECT_EQ(data.constructionInfoLine, 2); // for the check: a 05 file has no such section
    // The second section replaces the first.
    EXPECT_EQ(data.constructionInfo.numberLine, "工事番号：0013");
    EXPECT_EQ(data.constructionInfo.slots[ConstructionSlot::ConstructionName], "");
}

TEST(PhotoXmlReaderSections, RootLevelTextRules) {
    const PhotoDataSet data = loadXml(R"(<任意の名前>
        <写真フォルダ名>A</写真フォルダ名><写真フォルダ名> </写真フォルダ名>
        <参考図フォルダ名>DRA</参考図フォルダ名>x
        <適用要領基準>S</適用要領基準><未知>dropped</未知>more
        <Photodata>case differs</Photodata><写真>part of a name</写真>
      </任意の名前>)");
    EXPECT_EQ(data.basicInfo[BasicSlot::PhotoFolderName], "A");   // whitespace never clears
    EXPECT_EQ(data.basicInfo[BasicSlot::DrawingFolderName], "x"); // stray text after end tag
    EXPECT_EQ(data.basicInfo[BasicSlot::AppliedStandard], "S");
    EXPECT_EQ(data.basicInfo[BasicSlot::PhotoData], "");
}

TEST(PhotoXmlReaderSections, ReservesAndRepeatedElements) {
    const PhotoDataSet data = loadXml(R"(<photodata><写真情報>
        <施工管理値予備>1</施工管理値予備><写真情報予備>a</写真情報予備>
        <施工管理値予備>2</施工管理値予備><写真タイトル>first</写真タイトル>
        <施工管理値予備>3</施工管理値予備><写真情報予備>b</写真情報予備>
        <写真タイトル>last</写真タイトル><写真タイトル>
        </写真タイトル></写真情報></photodata>)");
    ASSERT_EQ(data.photos.size(), 1u);
    const PhotoRecord& photo = data.photos[0];
    EXPECT_EQ(photo.controlValueReserves, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(photo.photoInfoReserves, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(photo.slots[PhotoSlot::ControlValueReserve], "");
    EXPECT_EQ(photo.slots[PhotoSlot::PhotoInfoReserve], "");
    EXPECT_EQ(photo.slots[PhotoSlot::Title], "last");
}

TEST(PhotoXmlReaderSections, DrawingSectionsInsideAPhoto) {
    const PhotoDataSet data = loadXml(R"(<photodata><写真情報><付加情報>
        <参考図ファイル名>D1.JPG</参考図ファイル名><付加情報予備>r1</付加情報予備></付加情報>
        <付加情報><参考図ファイル名>D2.TIF</参考図ファイル名></付加情報>
        <写真タイトル>t</写真タイトル></写真情報>
        <写真情報><付加情報><参考図ファイル名>D3</参考図ファイル名></付加情報>stray
        </写真情報></photodata>)");
    ASSERT_EQ(data.photos.size(), 2u);
    const PhotoRecord& first = data.photos[0];
    ASSERT_EQ(first.drawings.size(), 2u);
    EXPECT_EQ(first.drawings[0].slots[DrawingSlot::DrawingFileName], "D1.JPG");
    EXPECT_EQ(first.drawings[0].reserves, std::vector<std::string>{"r1"});
    EXPECT_EQ(first.drawings[1].slots[DrawingSlot::DrawingFileName], "D2.TIF");
    EXPECT_TRUE(first.drawings[1].reserves.empty());
    EXPECT_EQ(first.slots[PhotoSlot::Attachment], ""); // whitespace after a drawing
    EXPECT_EQ(first.slots[PhotoSlot::Title], "t");
    EXPECT_EQ(text(data, 1, PhotoSlot::Attachment), "stray");
}

TEST(PhotoXmlReaderSections, NestedSectionNamesEndTheSectionEarly) {
    const PhotoDataSet data = loadXml(R"(<photodata><写真情報>
        <シリアル番号>1</シリアル番号><写真情報>inner</写真情報>
        <写真タイトル>outside</写真タイトル><写真フォルダ名>root</写真フォルダ名></写真情報>
        <工事情報><写真情報>not a photo</写真情報><付加情報>no drawing</付加情報></工事情報>
        </photodata>)");
    ASSERT_EQ(data.photos.size(), 1u);
    EXPECT_EQ(text(data, 0, PhotoSlot::PhotoInfo), "inner");
    EXPECT_EQ(text(data, 0, PhotoSlot::Title), "");
    EXPECT_EQ(data.basicInfo[BasicSlot::PhotoFolderName], "root");
    EXPECT_TRUE(data.hasConstructionInfo);
    EXPECT_EQ(data.constructionInfo.slots[ConstructionSlot::ConstructionInfo], "");
}

TEST(PhotoXmlReaderSections, APhotoSectionWithoutChildrenHandsOverNothing) {
    const PhotoDataSet data =
        loadXml("<photodata><写真情報>just text</写真情報><写真情報/><写真情報><シリアル番号>2"
                "</シリアル番号></写真情報></photodata>");
    ASSERT_EQ(data.photos.size(), 1u);
    EXPECT_EQ(text(data, 0, PhotoSlot::SerialNumber), "2");
}

TEST(PhotoXmlReaderText, ReferencesCdataAndCommentsMakeOnePiece) {
    const PhotoDataSet data = loadXml(R"(<!DOCTYPE photodata [<!ENTITY co "㈱髙橋">]>
        <photodata><写真情報><写真タイトル>A&amp;B</写真タイトル>
        <撮影箇所>&#x9AD9;&#12539;<![CDATA[<x>]]>&lt;y<!-- note -->z</撮影箇所>
        <請負者説明文>&co;施工</請負者説明文>
        <施工管理値予備>1&amp;2</施工管理値予備></写真情報></photodata>)");
    ASSERT_EQ(data.photos.size(), 1u);
    EXPECT_EQ(text(data, 0, PhotoSlot::Title), "A&B");
    EXPECT_EQ(text(data, 0, PhotoSlot::ShotLocation), "髙・<x><yz");
    EXPECT_EQ(text(data, 0, PhotoSlot::ContractorRemark), "㈱髙橋施工");
    EXPECT_EQ(data.photos[0].controlValueReserves, std::vector<std::string>{"1&2"});
}

TEST(PhotoXmlReaderText, LongTextsAreKeptWhole) {
    const std::string longTitle(5000, 'x');
    const std::string longRoot(3000, 'y');
    const PhotoDataSet data = loadXml("<photodata><写真フォルダ名>" + longRoot +
                                      "</写真フォルダ名><写真情報><写真タイトル>" + longTitle +
                                      "</写真タイトル></写真情報></photodata>");
    EXPECT_EQ(data.basicInfo[BasicSlot::PhotoFolderName], longRoot);
    EXPECT_EQ(text(data, 0, PhotoSlot::Title), longTitle);
}

TEST(PhotoXmlReaderEncoding, ShiftJisNamesReadAsCodePage932) {
    const std::string title = "①㈱㎡Ⅲ髙﨑～〇";
    for (const char* name :
         {"Shift_JIS", "shift-jis", "SJIS", "x-sjis", "MS_Kanji", "Windows-31J", "CP932"}) {
        const std::string xml = "<?xml version=\"1.0\" encoding=\"" + std::string(name) +
                                "\"?>\r\n<photodata>\r\n<写真情報>\r\n<写真タイトル>" + title +
                                "</写真タイトル>\r\n</写真情報>\r\n</photodata>\r\n";
        const PhotoDataSet data = loadBytes(toCp932(xml));
        ASSERT_EQ(data.photos.size(), 1u) << name;
        EXPECT_EQ(text(data, 0, PhotoSlot::Title), title) << name;
        EXPECT_EQ(data.prolog.encoding, name);
        EXPECT_FALSE(data.prolog.hasDoctype);
    }
}

TEST(PhotoXmlReaderEncoding, Utf16AndUtf8ByteOrderMarks) {
    const std::string body = "<photodata><写真情報><写真タイトル>𠮷野</写真タイトル></写真情報>"
                             "</photodata>";
    const PhotoDataSet utf16 =
        loadBytes(toUtf16LeWithBom("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body));
    ASSERT_EQ(utf16.photos.size(), 1u);
    EXPECT_EQ(text(utf16, 0, PhotoSlot::Title), "𠮷野");
    const PhotoDataSet utf8 = loadBytes("\xEF\xBB\xBF" + body);
    ASSERT_EQ(utf8.photos.size(), 1u);
    EXPECT_EQ(text(utf8, 0, PhotoSlot::Title), "𠮷野");
}

TEST(PhotoXmlReaderEncoding, AnEncodingErrorKeepsTheCompleteSections) {
    const std::string head = toCp932("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><photodata>"
                                     "<写真情報><シリアル番号>1</シリアル番号></写真情報>"
                                     "<写真情報><シリアル番号>2");
    const std::string tail = toCp932("</シリアル番号></写真情報><写真情報><シリアル番号>3"
                                     "</シリアル番号></写真情報></photodata>");
    // 0x85 0x40 is unassigned in code page 932.
    const PhotoDataSet data = loadBytes(head + "\x85\x40" + tail);
    ASSERT_EQ(data.photos.size(), 1u);
    EXPECT_EQ(text(data, 0, PhotoSlot::SerialNumber), "1");
}

TEST(PhotoXmlReaderFailures, BrokenFilesKeepWhatWasComplete) {
    const std::string full = utf8Declaration + R"(<photodata><写真フォルダ名>PIC</写真フォルダ名>
<工事情報><工事名称>N</工事名称></工事情報>
<写真情報><シリアル番号>1</シリアル番号><付加情報><参考図タイトル>D</参考図タイトル></付加情報>
<付加情報><参考図タイトル>E</参考図タイトル></付加情報></写真情報>
<写真情報><シリアル番号>2</シリアル番号></写真情報></photodata>)";
    struct Cut {
        const char* after;
        bool construction;
        std::size_t photos;
    };
    for (const Cut cut : {Cut{"<工事名称>N", false, 0}, Cut{"</工事情報>", true, 0},
                          Cut{"<参考図タイトル>D</参考図タイトル></付加情報>", true, 0},
                          Cut{"<参考図タイトル>E", true, 0}, Cut{"</写真情報>", true, 1},
                          Cut{"<シリアル番号>2</シリアル番号>", true, 1}}) {
        const std::size_t end = full.find(cut.after) + std::string(cut.after).size();
        const PhotoDataSet data = loadBytes(full.substr(0, end));
        EXPECT_EQ(data.basicInfo[BasicSlot::PhotoFolderName], "PIC") << cut.after;
        EXPECT_EQ(data.hasConstructionInfo, cut.construction) << cut.after;
        EXPECT_EQ(data.photos.size(), cut.photos) << cut.after;
        if (cut.photos == 1) {
            EXPECT_EQ(data.photos[0].drawings.size(), 2u);
        }
    }
}

TEST(PhotoXmlReaderFailures, WhereReadingStoppedIsKept) {
    const PhotoDataSet malformed =
        loadXml("<photodata>\n<写真情報><シリアル番号>1</シリアル番号>"
                "</写真情報>\n\n<写真情報><a></b></写真情報></photodata>");
    EXPECT_EQ(malformed.photos.size(), 1u);
    ASSERT_TRUE(malformed.readError);
    EXPECT_EQ(malformed.readError->line, 5); // the declaration is line 1
    EXPECT_GT(malformed.readError->column, 0);
    EXPECT_NE(malformed.readError->message.find("mismatch"), std::string::npos);

    const PhotoDataSet cutOff = loadXml("<photodata>\n<写真情報>\n<シリアル番号>1");
    ASSERT_TRUE(cutOff.readError);
    EXPECT_EQ(cutOff.readError->line, 4);

    EXPECT_FALSE(loadXml("<photodata>\n</photodata>\n").readError);
}

TEST(PhotoXmlReaderFailures, TheReasonIsJapaneseAndSaysWhetherRecordsWereLost) {
    const std::string photo = "<写真情報><シリアル番号>1</シリアル番号></写真情報>\n";
    const struct {
        std::string text;
        const char* reason;
        bool recordsLost;
    } cases[] = {
        {"<photodata>" + photo, "ファイルが途中で終わっています", false}, // no closing tag
        {"<photodata>" + photo + "<写真情報><シリアル", "ファイルが途中で終わっています", true},
        {"<photodata>" + photo + std::string(4, '\0'), "XML に使えない文字があります", true},
        {"<photodata><a></b>" + photo + "</photodata>", "開始タグと終了タグの名前が合いません",
         true},
    };
    for (const auto& example : cases) {
        const PhotoDataSet data = loadXml(example.text);
        ASSERT_TRUE(data.readError) << example.text;
        EXPECT_TRUE(data.readError->reason.starts_with(example.reason)) << data.readError->reason;
        EXPECT_EQ(data.readError->recordsLost, example.recordsLost) << example.text;
    }
}

TEST(PhotoXmlReaderFailures, AMissingFileGivesAnEmptyDataSet) {
    PhotoDataSet data;
    PhotoXmlReader reader;
    EXPECT_EQ(reader.load((scratchFolder() / "absent.xml").string(), data), 0);
    EXPECT_TRUE(data.photos.empty());
    EXPECT_EQ(data.basicInfo, BasicInfo{});
}

TEST(PhotoXmlReaderHostile, ExternalEntitiesAreNeverLoaded) {
    const auto secret = writeScratchFile("secret.txt", "TOPSECRET");
    const std::string url = "file://" + secret.string();
    for (const std::string& doctype :
         {std::string("<!DOCTYPE photodata [<!ENTITY leak SYSTEM \"secret.txt\">]>"),
          "<!DOCTYPE photodata SYSTEM \"PHOTO05.DTD\" [<!ENTITY leak SYSTEM \"" + url + "\">]>",
          "<!DOCTYPE photodata [<!ENTITY % p SYSTEM \"" + url + "\"> %p;]>"}) {
        const PhotoDataSet data = loadXml(
            doctype + "<photodata><写真情報><写真タイトル>before</写真タイトル></写真情報>"
                      "<写真情報><写真タイトル>&leak;</写真タイトル></写真情報></photodata>");
        std::ostringstream dump;
        DumpSink sink(dump);
        data.dump(sink);
        EXPECT_EQ(dump.str().find("TOPSECRET"), std::string::npos) << doctype;
    }
}

TEST(PhotoXmlReaderHostile, AnEntityBombEndsAndKeepsWhatWasComplete) {
    std::string doctype = "<!DOCTYPE photodata [<!ENTITY l0 \"lollollollollol\">";
    for (int level = 1; level <= 10; ++level)
        doctype += "<!ENTITY l" + std::to_string(level) + " \"" + [&] {
            std::string refs;
            for (int i = 0; i < 10; ++i)
                refs += "&l" + std::to_string(level - 1) + ";";
            return refs;
        }() + "\">";
    doctype += "]>";
    const PhotoDataSet data =
        loadXml(doctype + "<photodata><写真情報><写真タイトル>ok</写真タイトル>"
                          "</写真情報><写真情報><写真タイトル>&l10;</写真タイトル>"
                          "</写真情報></photodata>");
    ASSERT_EQ(data.photos.size(), 1u);
    EXPECT_EQ(text(data, 0, PhotoSlot::Title), "ok");
}

TEST(PhotoXmlReaderHostile, MillionsOfReferencesToATinyEntityEndPromptly) {
    // 9 KB of text: an entity of a thousand references to a one-character entity, used two
    // thousand times. Each reference costs libxml2 a parser context of its own.
    std::string doctype = "<!DOCTYPE photodata [<!ENTITY b \"x\"><!ENTITY a \"";
    for (int i = 0; i < 1000; ++i)
        doctype += "&b;";
    doctype += "\">]>";
    std::string titles;
    for (int i = 0; i < 2000; ++i)
        titles += "&a;";
    const PhotoDataSet data = loadXml(doctype +
                                      "<photodata><写真情報><写真タイトル>ok</写真タイトル>"
                                      "</写真情報><写真情報><写真タイトル>" +
                                      titles + "</写真タイトル></写真情報></photodata>");
    ASSERT_TRUE(data.readError);
    EXPECT_NE(data.readError->message.find("entity"), std::string::npos);
    ASSERT_EQ(data.photos.size(), 1u);

    // A real delivery's few references, &amp; in every title, are untouched.
    std::string many = "<photodata>";
    for (int i = 0; i < 20000; ++i)
        many += "<写真情報><写真タイトル>A&amp;B</写真タイトル></写真情報>";
    const PhotoDataSet real = loadXml(many + "</photodata>");
    EXPECT_FALSE(real.readError);
    EXPECT_EQ(real.photos.size(), 20000u);
}

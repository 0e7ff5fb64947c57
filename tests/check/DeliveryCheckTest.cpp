#include "check/DeliveryCheck.h"

#include <functional>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "check/FindingFormats.h"
#include "check/RuleTable.h"
#include "tests/support/ScratchFiles.h"

namespace {

// Facts by file name; a file not listed is a sound 1280 × 960 JPEG taken on 2024-05-10.
class FakeProbe : public FileProbe {
public:
    std::map<std::string, FileFacts> facts;

    FileFacts probe(const MediaFile& file) const override {
        const auto found = facts.find(file.path.substr(file.path.rfind('/') + 1));
        return found != facts.end() ? found->second : soundFile();
    }
    static FileFacts soundFile() {
        return {true, "", FileFormat::Jpeg, 1280, 960, true, false, "2024-05-10"};
    }
};

std::unique_ptr<PhotoRecord> soundPhoto(int serial) {
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
    return photo;
}

// A delivery of two sound photos, the second changed by change; the rule ids found, once
// each, in order.
std::vector<std::string> rulesFound(const std::function<void(PhotoRecord&, FakeProbe&)>& change,
                                    PhotoDataSet data = {}) {
    data.constructionInfo.slots[ConstructionSlot::PeriodStart] = "2024-04-01";
    data.constructionInfo.slots[ConstructionSlot::PeriodEnd] = "2025-03-31";
    FakeProbe probe;
    data.photos.adopt(soundPhoto(1));
    auto second = soundPhoto(2);
    change(*second, probe);
    data.photos.adopt(std::move(second));
    CheckProgress progress;
    const CheckInput input{data, {"/nowhere/./PIC/", "/nowhere/./DRA/"}, "1", {}};
    std::vector<std::string> rules;
    for (const Finding& finding : checkDelivery(input, probe, progress).findings) {
        if (std::find(rules.begin(), rules.end(), finding.ruleId) == rules.end())
            rules.emplace_back(finding.ruleId);
    }
    return rules;
}

using Change = std::function<void(PhotoRecord&, FakeProbe&)>;

Change text(PhotoSlot slot, const char* value) {
    return [slot, value](PhotoRecord& photo, FakeProbe&) { photo.slots[slot] = value; };
}

Change facts(const std::function<void(FileFacts&)>& edit) {
    return [edit](PhotoRecord&, FakeProbe& probe) {
        FileFacts file = FakeProbe::soundFile();
        edit(file);
        probe.facts["P0000002.JPG"] = file;
    };
}

} // namespace

TEST(DeliveryCheck, EachFaultIsFoundByItsRuleAndNothingElse) {
    using S = PhotoSlot;
    using Rules = std::vector<std::string>;
    const struct {
        const char* fault;
        Change change;
        Rules expected;
    } cases[] = {
        {"none", [](PhotoRecord&, FakeProbe&) {}, {}},
        {"no serial", text(S::SerialNumber, ""), {"serial-missing"}},
        {"full-width serial", text(S::SerialNumber, "２"), {"serial-not-number"}},
        {"serial 0", text(S::SerialNumber, "0"), {"serial-not-number"}},
        {"serial of the first", text(S::SerialNumber, "01"), {"serial-duplicate"}},
        {"no title", text(S::Title, ""), {"required-missing"}},
        {"slashed date", text(S::ShotDate, "2024/05/10"), {"date-format"}},
        {"no such day", text(S::ShotDate, "2023-02-29"), {"date-format"}},
        {"before the works",
         text(S::ShotDate, "2024-03-31"),
         {"date-outside-period", "exif-date-mismatch"}},
        {"flag 2", text(S::Representative, "2"), {"flag-value"}},
        {"frequency flag 1.0", text(S::SubmissionFrequency, "1.0"), {"flag-value"}},
        {"prefecture's category", text(S::PhotoCategory, "写真"), {"category-value"}},
        {"no work type", text(S::WorkType, ""), {"work-type-missing"}},
        {"lower case", text(S::FileName, "p0000002.jpg"), {"file-name-rule"}},
        {"PNG name", text(S::FileName, "P0000002.PNG"), {"file-name-rule"}},
        {"name of the first",
         text(S::FileName, "p0000001.JPG"),
         {"file-name-duplicate", "file-name-rule"}},
        {"path", text(S::FileName, "../P0000002.JPG"), {"file-name-unsafe"}},
        {"not on this disc", facts([](FileFacts& f) { f = FileFacts(); }), {"file-missing"}},
        {"on disc 2",
         [](PhotoRecord& photo, FakeProbe& probe) {
             photo.slots[S::MediaNumber] = "2";
             probe.facts["P0000002.JPG"] = FileFacts();
         },
         {"file-other-medium"}},
        {"damaged", facts([](FileFacts& f) { f.decodable = false; }), {"file-undecodable"}},
        {"cut short", facts([](FileFacts& f) { f.truncated = true; }), {"file-truncated"}},
        {"TIFF as .JPG", facts([](FileFacts& f) { f.format = FileFormat::Tiff; }), {"file-format"}},
        {"not an image",
         facts([](FileFacts& f) { f.format = FileFormat::Other; }),
         {"file-format"}},
        {"re-saved", facts([](FileFacts& f) { f.exifDate.reset(); }), {"exif-date-missing"}},
        {"camera a day late",
         facts([](FileFacts& f) { f.exifDate = "2024-05-11"; }),
         {"exif-date-mismatch"}},
        {"12 MP", facts([](FileFacts& f) { f.width = 4000, f.height = 3000; }), {"pixels-range"}},
        {"VGA", facts([](FileFacts& f) { f.width = 640, f.height = 480; }), {"pixels-range"}},
        {"drawing name",
         [](PhotoRecord& photo, FakeProbe&) {
             photo.drawings.emplace_back();
             photo.drawings.back().slots[DrawingSlot::DrawingFileName] = "d1.jpg";
         },
         {"drawing-name-rule"}},
        {"drawing not on this disc",
         [](PhotoRecord& photo, FakeProbe& probe) {
             photo.drawings.emplace_back();
             photo.drawings.back().slots[DrawingSlot::DrawingFileName] = "D0000001.TIF";
             probe.facts["D0000001.TIF"] = FileFacts();
         },
         {"drawing-missing"}},
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(rulesFound(testCase.change), testCase.expected) << testCase.fault;
}

TEST(DeliveryCheck, FindingsNameThePhotoAndADamagedFileComesFirst) {
    PhotoDataSet damaged;
    damaged.readError =
        ReadError{120, 5, "premature end of data", "ファイルが途中で終わっています"};
    const auto rules = rulesFound(text(PhotoSlot::Title, ""), std::move(damaged));
    EXPECT_EQ(rules, (std::vector<std::string>{"xml-damaged", "required-missing"}));

    PhotoDataSet data;
    auto photo = soundPhoto(7);
    for (int twice = 0; twice < 2; ++twice) { // two drawings of one name: each has its place
        photo->drawings.emplace_back();
        photo->drawings.back().slots[DrawingSlot::DrawingFileName] = "D0000001.JPG";
    }
    data.photos.adopt(std::move(photo));
    FakeProbe probe;
    probe.facts["P0000007.JPG"] = FileFacts();
    probe.facts["D0000001.JPG"] = FileFacts();
    CheckProgress progress;
    const auto findings =
        checkDelivery({data, {"/x/./PIC/", "/x/./DRA/"}, "1", {}}, probe, progress).findings;
    ASSERT_EQ(findings.size(), 3u);
    EXPECT_EQ(findings[0].serial, "7");
    EXPECT_EQ(findings[0].fileName, "P0000007.JPG");
    EXPECT_EQ(findings[0].position, 0);
    EXPECT_EQ(findings[0].drawing, -1);
    EXPECT_EQ(findings[1].ruleId, "drawing-missing");
    EXPECT_EQ(findings[1].drawing, 0);
    EXPECT_EQ(findings[2].drawing, 1);
    EXPECT_EQ(progress.filesDone, 3u);
}

TEST(DeliveryCheck, ACancelledCheckProbesNoFurtherAndSaysItIsIncomplete) {
    // Each probe finds the file missing and cancels the check: one thread, one probe.
    struct CancellingProbe : FileProbe {
        CheckProgress* progress = nullptr;
        FileFacts probe(const MediaFile&) const override {
            progress->cancelled = true;
            return {};
        }
    } probe;
    PhotoDataSet data;
    for (int serial = 1; serial <= 5; ++serial)
        data.photos.adopt(soundPhoto(serial));
    CheckProgress progress;
    probe.progress = &progress;
    const CheckResult result =
        checkDelivery({data, {"/x/./PIC/", "/x/./DRA/"}, "1", {}}, probe, progress);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(progress.filesDone, 1u);
    EXPECT_EQ(progress.filesTotal, 5u);
    EXPECT_TRUE(result.findings.empty()); // no half-made file findings
}

TEST(DeliveryCheck, FilesNoRecordNamesAreStray) {
    writeScratchFile("PIC/P0000001.JPG", "x");
    writeScratchFile("PIC/Thumbs.db", "x");
    writeScratchFile("dra/d0000001.jpg", "x"); // named in another case: not stray
    PhotoDataSet data;
    auto photo = soundPhoto(1);
    photo->drawings.emplace_back();
    photo->drawings.back().slots[DrawingSlot::DrawingFileName] = "D0000001.JPG";
    data.photos.adopt(std::move(photo));
    const std::string folder = scratchFolder().string() + "/";
    CheckProgress progress;
    const auto findings = checkDelivery({data, deliveryFoldersOf(folder + "PHOTO.XML"), "1", {}},
                                        FakeProbe(), progress)
                              .findings;
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].ruleId, "file-unlisted");
    EXPECT_EQ(findings[0].fileName, "Thumbs.db");

    // After a damaged file that lost records, the files they may name are one line.
    data.readError = ReadError{9, 1, "Premature end", "ファイルが途中で終わっています"};
    writeScratchFile("PIC/P0000002.JPG", "x");
    const auto afterDamage = checkDelivery({data, deliveryFoldersOf(folder + "PHOTO.XML"), "1", {}},
                                           FakeProbe(), progress)
                                 .findings;
    ASSERT_EQ(afterDamage.size(), 2u);
    EXPECT_EQ(afterDamage[0].message,
              "9 行目で読み込みが止まりました（ファイルが途中で終わっています）。"
              "それより後の写真は検査していません");
    EXPECT_EQ(afterDamage[1].ruleId, "unlisted-after-damage");
    EXPECT_NE(afterDamage[1].message.find("PIC に 2 件"), std::string::npos);
    data.readError->recordsLost = false; // only the closing tag is missing
    const auto closingTagMissing =
        checkDelivery({data, deliveryFoldersOf(folder + "PHOTO.XML"), "1", {}}, FakeProbe(),
                      progress)
            .findings;
    EXPECT_EQ(closingTagMissing.size(), 3u); // each unlisted file named
    EXPECT_EQ(closingTagMissing[0].message.find("検査していません"), std::string::npos);
}

TEST(DeliveryCheck, RuleIdsAreUniqueAndFindingsAreWrittenForSpreadsheetsAndScripts) {
    std::set<std::string_view> ids;
    for (const RuleInfo& rule : ruleTable())
        EXPECT_TRUE(ids.insert(rule.id).second) << rule.id;

    Finding finding = makeFinding("serial-not-number", "シリアル番号「\"A\"\n」");
    finding.serial = "A\tB";
    finding.position = 4;
    EXPECT_EQ(findingLine(finding), "エラー\tserial-not-number\tA B\t\tシリアル番号「\"A\" 」");
    EXPECT_EQ(findingsCsv({finding}),
              "\xEF\xBB\xBF\"レベル\",\"規則\",\"シリアル番号\",\"ファイル名\",\"内容\"\r\n"
              "\"エラー\",\"serial-not-number\",\"A\tB\",\"\",\"シリアル番号「\"\"A\"\"\n」\"\r\n");
    EXPECT_EQ(findingJson(finding), "{\"level\":\"エラー\",\"rule\":\"serial-not-number\","
                                    "\"serial\":\"A\\u0009B\",\"file\":\"\",\"position\":5,"
                                    "\"message\":\"シリアル番号「\\\"A\\\"\\u000a」\"}");
    EXPECT_EQ(summaryLine({finding, finding}), "エラー 2 件、注意 0 件、情報 0 件");
}

#include "check/DeliveryCheck.h"

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "check/Edition.h"
#include "check/FindingFormats.h"
#include "check/RuleTable.h"
#include "tests/check/CheckFixtures.h"
#include "tests/support/ScratchFiles.h"

namespace {

// A delivery of two sound photos, the second changed by change; the rule ids found, once
// each, in order.
std::vector<std::string> rulesFound(const std::function<void(PhotoRecord&, FakeProbe&)>& change,
                                    PhotoDataSet data = soundDelivery(),
                                    const EditionRules* edition = nullptr) {
    data.constructionInfo.slots[ConstructionSlot::PeriodStart] = "2024-04-01";
    data.constructionInfo.slots[ConstructionSlot::PeriodEnd] = "2025-03-31";
    FakeProbe probe;
    data.photos.adopt(soundPhoto(1));
    auto second = soundPhoto(2);
    change(*second, probe);
    data.photos.adopt(std::move(second));
    CheckProgress progress;
    std::vector<std::string> rules;
    for (const Finding& finding :
         findingsOf(checkDelivery(inputFor(data, "/nowhere/", edition), probe, progress))) {
        if (std::find(rules.begin(), rules.end(), finding.ruleId) == rules.end())
            rules.emplace_back(finding.ruleId);
    }
    return rules;
}

using Change = std::function<void(PhotoRecord&, FakeProbe&)>;

Change text(PhotoSlot slot, std::string value) {
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
        {"eight digits", text(S::SerialNumber, "10000000"), {"serial-not-number"}},
        {"full-width serial",
         text(S::SerialNumber, "２"),
         {"serial-not-number", "char-fullwidth-alnum"}},
        {"serial 0", text(S::SerialNumber, "0"), {"serial-not-number"}},
        {"serial of the first", text(S::SerialNumber, "01"), {"serial-duplicate"}},
        {"no title", text(S::Title, ""), {"required-missing"}},
        {"no submission flag", text(S::SubmissionFrequency, ""), {"required-missing"}},
        {"medium 0", text(S::MediaNumber, "0"), {"medium-number"}},
        {"medium 3 of 2",
         [](PhotoRecord& photo, FakeProbe& probe) {
             photo.slots[S::MediaNumber] = "3";
             probe.facts["P0000002.JPG"] = FileFacts();
         },
         {"medium-number", "file-other-medium"}},
        {"survey without category",
         [](PhotoRecord& photo, FakeProbe&) {
             photo.slots[S::MajorCategory] = "測量";
             photo.slots[S::PhotoCategory] = "";
         },
         {}},
        {"unknown major category", text(S::MajorCategory, "工事写真"), {"major-category-value"}},
        {"slashed date", text(S::ShotDate, "2024/05/10"), {"date-format"}},
        {"no such day", text(S::ShotDate, "2023-02-29"), {"date-format"}},
        {"before the works",
         text(S::ShotDate, "2024-03-31"),
         {"date-outside-period", "exif-date-mismatch"}},
        {"flag 2", text(S::Representative, "2"), {"flag-value"}},
        {"frequency flag 1.0", text(S::SubmissionFrequency, "1.0"), {"flag-value"}},
        {"prefecture's category", text(S::PhotoCategory, "写真"), {"category-value"}},
        {"submitted without 種別, 細別", text(S::SubmissionFrequency, "1"), {"work-type-missing"}},
        {"not submitted, no work type", text(S::WorkType, ""), {}},
        {"disaster photo submitted",
         [](PhotoRecord& photo, FakeProbe&) {
             photo.slots[S::PhotoCategory] = "災害写真";
             photo.slots[S::SubmissionFrequency] = "1";
         },
         {}},
        {"NEC and IBM characters", text(S::Title, "①㈱髙"), {"char-outside-jis"}},
        {"half-width kana", text(S::ShotLocation, "ｸｲ No.1"), {"char-halfwidth-kana"}},
        {"full-width number", text(S::ShotLocation, "Ｎｏ．１"), {"char-fullwidth-alnum"}},
        {"title of 128", text(S::Title, std::string(256, 'x')), {"text-too-long"}},
        {"lower case", text(S::FileName, "p0000002.jpg"), {"file-name-rule"}},
        {"PNG name", text(S::FileName, "P0000002.PNG"), {"file-name-rule"}},
        {"SVG", text(S::FileName, "P0000002.SVG"), {"file-format"}},
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
        {"cut short, its EXIF lost",
         facts([](FileFacts& f) { f.truncated = true, f.exifDate.reset(); }),
         {"file-truncated"}},
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
        {"about a million", facts([](FileFacts& f) { f.width = 1152, f.height = 864; }), {}},
        {"about three million", facts([](FileFacts& f) { f.width = 2048, f.height = 1536; }), {}},
        {"saved by Photoshop",
         facts([](FileFacts& f) { f.making.software = "Adobe Photoshop CC 2019 (Windows)"; }),
         {"edit-software"}},
        {"camera firmware", facts([](FileFacts& f) { f.making.software = "Ver.1.02"; }), {}},
        {"recorded larger",
         facts([](FileFacts& f) { f.making.recordedWidth = 4000, f.making.recordedHeight = 3000; }),
         {"edit-resized"}},
        {"recorded on its side, turned upright",
         facts([](FileFacts& f) {
             f.making.recordedWidth = 960, f.making.recordedHeight = 1280;
             f.making.quarterTurned = true;
         }),
         {}},
        {"changed in the evening",
         facts([](FileFacts& f) {
             f.making.taken = "2024:05:10 10:00:00", f.making.changed = "2024:05:10 18:00:00";
         }),
         {"edit-modified"}},
        {"changed within the minute",
         facts([](FileFacts& f) {
             f.making.taken = "2024:05:10 10:00:00", f.making.changed = "2024:05:10 10:01:00";
         }),
         {}},
        {"blackboard of another work type",
         facts([](FileFacts& f) {
             f.blackboard = {{"工種", "舗装工"}, {"種別", "表層工"}};
         }),
         {"blackboard-present", "blackboard-mismatch"}},
        {"blackboard agrees, its date with a time",
         facts([](FileFacts& f) {
             f.blackboard = {{"工種", "道路土工"}, {"撮影日", "2024/05/10 9:30"}};
         }),
         {"blackboard-present"}},
        {"drawing name",
         [](PhotoRecord& photo, FakeProbe&) {
             photo.drawings.emplace_back();
             photo.drawings.back().slots[DrawingSlot::DrawingFileName] = "d1.jpg";
             photo.drawings.back().slots[DrawingSlot::DrawingTitle] = "位置図";
         },
         {"drawing-name-rule"}},
        {"drawing not on this disc",
         [](PhotoRecord& photo, FakeProbe& probe) {
             photo.drawings.emplace_back();
             photo.drawings.back().slots[DrawingSlot::DrawingFileName] = "D0000001.TIF";
             photo.drawings.back().slots[DrawingSlot::DrawingTitle] = "位置図";
             probe.facts["D0000001.TIF"] = FileFacts();
         },
         {"drawing-missing"}},
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(rulesFound(testCase.change), testCase.expected) << testCase.fault;
}

TEST(DeliveryCheck, EachEditionAsksForItsOwnItemsAndFormats) {
    const auto named = [](const char* file, FileFormat format) -> Change {
        return [file, format](PhotoRecord& photo, FakeProbe& probe) {
            photo.slots[PhotoSlot::FileName] = file;
            FileFacts facts = FakeProbe::soundFile();
            facts.format = format;
            probe.facts[file] = facts;
        };
    };
    const Change svg = named("P0000002.SVG", FileFormat::Svg);
    const struct {
        const char* edition;
        Change change;
        std::vector<std::string> expected;
    } cases[] = {
        {"H14.7", text(PhotoSlot::ShotDate, ""), {}},
        {"H18.1", text(PhotoSlot::ShotDate, ""), {"required-missing"}},
        {"H18.1", text(PhotoSlot::SubmissionFrequency, ""), {}},
        {"H20.5", text(PhotoSlot::SubmissionFrequency, ""), {"required-missing"}},
        {"H28.3", named("P0000002.TIF", FileFormat::Tiff), {"file-name-rule", "file-format"}},
        {"R2.3", named("P0000002.TIF", FileFormat::Tiff), {}},
        {"R2.3", svg, {"file-name-rule", "file-format"}},
        {"R5.3", svg, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rulesFound(c.change, soundDelivery(), editionNamed(c.edition)), c.expected)
            << c.edition;
    }
    // The contract's edition is named as such, whatever the file says.
    CheckProgress progress;
    const PhotoDataSet data = soundDelivery();
    const auto findings =
        checkDelivery(inputFor(data, "/nowhere/", editionNamed("H18.1")), FakeProbe(), progress)
            .findings;
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings.front().message,
              "デジタル写真管理情報基準 H18.1 として検査しました（指定による）");
}

TEST(DeliveryCheck, FindingsNameThePhotoAndADamagedFileComesFirst) {
    PhotoDataSet damaged;
    damaged.readError =
        ReadError{120, 5, "premature end of data", "ファイルが途中で終わっています"};
    damaged.prolog = soundDelivery().prolog;
    damaged.basicInfo = soundDelivery().basicInfo;
    const auto rules = rulesFound(text(PhotoSlot::Title, ""), std::move(damaged));
    EXPECT_EQ(rules, (std::vector<std::string>{"xml-damaged", "required-missing"}));

    PhotoDataSet data = soundDelivery();
    auto photo = soundPhoto(7);
    for (int twice = 0; twice < 2; ++twice) { // two drawings of one name: each has its place
        photo->drawings.emplace_back();
        photo->drawings.back().slots[DrawingSlot::DrawingFileName] = "D0000001.JPG";
        photo->drawings.back().slots[DrawingSlot::DrawingTitle] = "位置図";
    }
    data.photos.adopt(std::move(photo));
    FakeProbe probe;
    probe.facts["P0000007.JPG"] = FileFacts();
    probe.facts["D0000001.JPG"] = FileFacts();
    CheckProgress progress;
    const auto findings = findingsOf(checkDelivery(inputFor(data), probe, progress));
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
    PhotoDataSet data = soundDelivery();
    for (int serial = 1; serial <= 5; ++serial)
        data.photos.adopt(soundPhoto(serial));
    CheckProgress progress;
    probe.progress = &progress;
    const CheckResult result = checkDelivery(inputFor(data), probe, progress);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(progress.filesDone, 1u);
    EXPECT_EQ(progress.filesTotal, 5u);
    EXPECT_TRUE(findingsOf(result).empty()); // no half-made file findings
}

TEST(DeliveryCheck, AfterADamagedFileTheFilesItsLostRecordsMayNameAreOneLine) {
    writeScratchFile("PIC/P0000001.JPG", "x");
    writeScratchFile("PIC/P0000002.JPG", "x");
    writeScratchFile("PIC/P0000003.JPG", "x");
    PhotoDataSet data = soundDelivery();
    data.photos.adopt(soundPhoto(1));
    const std::string folder = scratchFolder().string() + "/";
    data.readError = ReadError{9, 1, "Premature end", "ファイルが途中で終わっています"};
    CheckProgress progress;
    const auto afterDamage =
        findingsOf(checkDelivery(inputFor(data, folder), FakeProbe(), progress));
    ASSERT_EQ(afterDamage.size(), 2u);
    EXPECT_EQ(afterDamage[0].message,
              "9 行目で読み込みが止まりました（ファイルが途中で終わっています）。"
              "それより後の写真は検査していません");
    EXPECT_EQ(afterDamage[1].ruleId, "unlisted-after-damage");
    EXPECT_NE(afterDamage[1].message.find("PIC に 2 件"), std::string::npos);
    data.readError->recordsLost = false; // only the closing tag is missing
    const auto closingTagMissing =
        findingsOf(checkDelivery(inputFor(data, folder), FakeProbe(), progress));
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

#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "media/DiscSearch.h"
#include "tests/check/CheckFixtures.h"
#include "tests/support/ScratchFiles.h"

// The check of the disc as a whole: its folders, its INDEX_C.XML, the other discs of the
// delivery.

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// A delivery of one sound photo in the scratch folder's folder, checked.
std::vector<Finding> checkFolder(const std::string& folder,
                                 std::shared_ptr<const DiscSearch> discs = {}) {
    PhotoDataSet data = soundDelivery();
    data.photos.adopt(soundPhoto(1));
    CheckInput input = withDiscIndex(inputFor(data, (scratchFolder() / folder).string() + "/"));
    input.otherDiscs = std::move(discs);
    CheckProgress progress;
    return findingsOf(checkDelivery(input, FakeProbe(), progress));
}

void writeDisc(const std::string& disc, const std::string& index) {
    writeScratchFile(disc + "/INDEX_C.XML", index);
    for (const char* file :
         {"/INDE_C05.DTD", "/PHOTO/PHOTO.XML", "/PHOTO/PHOTO05.DTD", "/PHOTO/PIC/P0000001.JPG"})
        writeScratchFile(disc + file, "x");
}

} // namespace

TEST(DiscCheck, TheFolderWalkFindsWhatTheStandardDoesNotLayOut) {
    writeScratchFile("INDEX_C.XML", soundIndexXml());
    for (const char* file :
         {"INDE_C05.DTD", "PHOTO/PHOTO.XML", "PHOTO/PHOTO05.DTD", "PHOTO/PHOTO05.XSL",
          "PHOTO/PIC/P0000001.JPG", "PHOTO/DRA/D0000001.JPG"})
        writeScratchFile(file, "x");
    PhotoDataSet data = soundDelivery();
    data.basicInfo[BasicSlot::DrawingFolderName] = "PHOTO/DRA";
    auto photo = soundPhoto(1);
    photo->drawings.emplace_back();
    photo->drawings.back().slots[DrawingSlot::DrawingFileName] = "D0000001.JPG";
    photo->drawings.back().slots[DrawingSlot::DrawingTitle] = "位置図";
    data.photos.adopt(std::move(photo));
    const std::string disc = scratchFolder().string() + "/";
    const auto check = [&] {
        CheckProgress progress;
        return rulesAndPaths(findingsOf(
            checkDelivery(withDiscIndex(inputFor(data, disc + "PHOTO/")), FakeProbe(), progress)));
    };
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(check(), Pairs{});

    std::filesystem::remove(disc + "INDEX_C.XML");
    for (const char* file : {"PHOTO/PIC/Thumbs.db", "PHOTO/PIC/SUB/P0000009.JPG", "PHOTO/PHOTO.BAK",
                             "PHOTO/._PHOTO.XML", "PHOTO/DRA/D0000002.JPG"})
        writeScratchFile(file, "x");
    const Pairs found = check();
    const Pairs expected{
        {"index-missing", "INDEX_C.XML"}, {"stray-file", "PIC/SUB/"},
        {"stray-file", "PIC/Thumbs.db"},  {"stray-file", "PHOTO.BAK"},
        {"stray-file", "._PHOTO.XML"},    {"drawing-unlisted", "DRA/D0000002.JPG"}};
    EXPECT_EQ(std::set(found.begin(), found.end()), std::set(expected.begin(), expected.end()));
    EXPECT_EQ(found.front().first, "index-missing"); // the delivery's own come before the photos'

    // PIC in lower case: an error where the medium keeps the case, unknowable where it maps it.
    std::filesystem::rename(disc + "PHOTO/PIC", disc + "PHOTO/pic");
    std::filesystem::remove_all(disc + "PHOTO/pic/SUB");
    std::filesystem::remove(disc + "PHOTO/pic/Thumbs.db");
    EXPECT_EQ(check()[1], (std::pair<std::string, std::string>{"folder-name-case", "pic"}));
    CheckInput mapped = withDiscIndex(inputFor(data, disc + "PHOTO/"));
    mapped.namesMapped = true;
    CheckProgress progress;
    const auto onDisc = findingsOf(checkDelivery(mapped, FakeProbe(), progress));
    ASSERT_GE(onDisc.size(), 2u);
    EXPECT_EQ(onDisc[1].ruleId, "folder-name-case");
    EXPECT_EQ(onDisc[1].level, Level::Info);
}

TEST(DiscCheck, TheDiscsIndexIsJudgedItemByItem) {
    const struct {
        const char* from;
        const char* to;
        Pairs expected;
    } cases[] = {
        {"", "", {}},
        {"<メディア番号>1<", "<メディア番号>3<", {{"index-item", "INDEX_C.XML"}}},
        {"<メディア総枚数>2<", "<メディア総枚数>２<", {{"index-item", "INDEX_C.XML"}}},
        {"<メディア番号>1</メディア番号>", "", {{"index-item", "INDEX_C.XML"}}},
        {"2025-03-31", "2024-03-31", {{"index-item", "INDEX_C.XML"}}},
        {"2024-04-01", "2024-02-30", {{"index-item", "INDEX_C.XML"}}},
        {"道路改良工事", "", {{"index-item", "INDEX_C.XML"}}},
        {"<写真フォルダ名>PHOTO<", "<写真フォルダ名>photo<", {{"index-item", "INDEX_C.XML"}}},
        {"土木202303-01", "", {{"index-item", "INDEX_C.XML"}}},
        {"INDE_C05.DTD", "INDEX_C.DTD", {{"index-dtd-missing", "INDEX_C.XML"}}},
        {"</constdata>", "", {{"index-item", "INDEX_C.XML"}}}, // cut short: unreadable
    };
    for (const auto& testCase : cases) {
        std::string index = soundIndexXml();
        if (*testCase.from)
            index.replace(index.find(testCase.from), std::string_view(testCase.from).size(),
                          testCase.to);
        std::filesystem::remove_all(scratchFolder() / "disc");
        writeDisc("disc", index);
        EXPECT_EQ(rulesAndPaths(checkFolder("disc/PHOTO")), testCase.expected) << testCase.from;
    }
    // A delivery folder copied alone has no disc root to judge.
    std::filesystem::rename(scratchFolder() / "disc/PHOTO", scratchFolder() / "disc/COPY");
    EXPECT_TRUE(checkFolder("disc/COPY").empty());
}

TEST(DiscCheck, DiscsOfOneDeliveryThatDisagreeAreNamedByTheirMountFolders) {
    const std::string a = (scratchFolder() / "A").string(), b = (scratchFolder() / "B").string();
    const auto check = [&](const std::string& otherIndex) {
        writeDisc("A", soundIndexXml("1", "2"));
        writeDisc("B", otherIndex);
        const auto label = readDiscLabel(a + "/INDEX_C.XML");
        const auto discs = DiscSearch::forDisc(a + "/INDEX_C.XML", *label, [&] {
            return std::vector<std::string>{a, b};
        });
        std::vector<std::string> messages;
        for (const Finding& finding : checkFolder("A/PHOTO", discs))
            messages.push_back(finding.message);
        return messages;
    };
    EXPECT_EQ(check(soundIndexXml("2", "2")), std::vector<std::string>{});
    EXPECT_EQ(check(soundIndexXml("1", "2")),
              std::vector<std::string>{"ディスク " + a + " と ディスク " + b +
                                       " がどちらもメディア番号 1 です"});
    EXPECT_EQ(check(soundIndexXml("3", "3")),
              std::vector<std::string>{"ディスク " + a + " のメディア総枚数は 2、ディスク " + b +
                                       " は 3 です"});
    // Another construction's disc is no disc of this delivery.
    std::string other = soundIndexXml("1", "2");
    other.replace(other.find("0012345"), 7, "0099999");
    EXPECT_EQ(check(other), std::vector<std::string>{});
}

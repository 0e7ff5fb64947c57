#include "media/DiscSearch.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/ScratchFiles.h"

namespace {

std::string indexText(const std::string& number, const std::string& name, int medium) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><constdata><基礎情報><メディア番号>" +
           std::to_string(medium) + "</メディア番号></基礎情報><工事件名等><工事番号>" + number +
           "</工事番号><工事名称>" + name + "</工事名称></工事件名等></constdata>";
}

// Folders standing in for the mount points of discs, each with its INDEX_C.XML.
struct Discs {
    std::vector<std::string> mounted;

    std::string add(const std::string& label, const std::string& number, const std::string& name,
                    int medium) {
        writeScratchFile("media/" + label + "/INDEX_C.XML", indexText(number, name, medium));
        mounted.push_back((scratchFolder() / "media" / label).string());
        return mounted.back();
    }
    DiscSearch::MountPoints mountPoints() const {
        return [this] { return mounted; };
    }
};

} // namespace

TEST(DiscSearch, AMissingFileIsLookedForOnTheOtherDiscsOfTheDeliveryOnly) {
    Discs discs;
    const std::string first = discs.add("DISC1", "0012", "改良工事", 1);
    discs.add("OTHER", "0099", "別の工事", 2);   // another construction, same file names
    discs.add("WRONGNO", "0012", "改良工事", 3); // this construction, another medium
    const std::string second = discs.add("DISC2", "0012", "改良工事", 2);
    const std::string photoXml = writeScratchFile("media/DISC1/PHOTO/PHOTO.XML", "<photodata/>");
    const auto search = DiscSearch::forDelivery(photoXml, discs.mountPoints());
    ASSERT_TRUE(search);
    const std::string missing = first + "/PHOTO/./PIC/P0000123.JPG";
    EXPECT_EQ(search->find(missing, "2"), second + "/./PHOTO/PIC/P0000123.JPG");
    EXPECT_EQ(search->find(missing, "4"), std::nullopt); // no such disc is in
    EXPECT_EQ(search->find("/elsewhere/PIC/P1.JPG", "2"), std::nullopt);

    // The first disc taken out of the drive: its photos of medium 2 are still found.
    std::filesystem::rename(first, first + "-out");
    discs.mounted.erase(discs.mounted.begin());
    EXPECT_EQ(search->find(missing, "2"), second + "/./PHOTO/PIC/P0000123.JPG");
}

TEST(DiscSearch, ADeliveryWithoutIndexFileSearchesNothing) {
    const std::string photoXml = writeScratchFile("copy/PHOTO/PHOTO.XML", "<photodata/>");
    EXPECT_EQ(DiscSearch::forDelivery(photoXml, [] { return std::vector<std::string>{"/"}; }),
              nullptr);
}

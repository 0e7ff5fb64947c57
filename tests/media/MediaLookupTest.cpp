#include "media/MediaLookup.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/ScratchFiles.h"

namespace {

std::string delivery() {
    return scratchFolder().string() + "/./";
}

} // namespace

TEST(MediaLookup, ThePathAsWrittenWins) {
    writeScratchFile("PIC/P0000001.JPG", "x");
    writeScratchFile("pic/p0000001.jpg", "y");
    EXPECT_EQ(locateMediaFile(delivery() + "PIC/P0000001.JPG"), delivery() + "PIC/P0000001.JPG");
}

TEST(MediaLookup, LowerCaseDiscsAreMatchedWithoutRegardToCase) {
    writeScratchFile("pic/p0000001.jpg", "x");
    writeScratchFile("Dra/D0000002.tif", "x");
    EXPECT_EQ(locateMediaFile(delivery() + "PIC/P0000001.JPG"), delivery() + "pic/p0000001.jpg");
    EXPECT_EQ(locateMediaFile(delivery() + "DRA/d0000002.TIF"), delivery() + "Dra/D0000002.tif");
}

TEST(MediaLookup, MissingFilesAndFoldersAreMissing) {
    writeScratchFile("PIC/P0000001.JPG", "x");
    EXPECT_EQ(locateMediaFile(delivery() + "PIC/P0000009.JPG"), std::nullopt);
    EXPECT_EQ(locateMediaFile(delivery() + "DRA/D0000001.JPG"), std::nullopt);
    EXPECT_EQ(locateMediaFile(delivery() + "PIC/"), std::nullopt);
}

TEST(MediaLookup, AFileThatAppearsLaterIsFound) {
    writeScratchFile("pic/p0000001.jpg", "x");
    EXPECT_EQ(locateMediaFile(delivery() + "PIC/P0000002.JPG"), std::nullopt);
    writeScratchFile("pic/p0000002.jpg", "x"); // the second medium was copied in
    EXPECT_EQ(locateMediaFile(delivery() + "PIC/P0000002.JPG"), delivery() + "pic/p0000002.jpg");
}

TEST(MediaLookup, ALinkOutOfTheDeliveryIsNeverOpened) {
    namespace fs = std::filesystem;
    const fs::path root = scratchFolder();
    writeScratchFile("secret.jpg", "x");
    writeScratchFile("d/PIC/P0000001.JPG", "x");
    writeScratchFile("other/P0000003.JPG", "x");
    fs::create_symlink(root / "secret.jpg", root / "d/PIC/P0000002.JPG");
    fs::create_symlink("P0000001.JPG", root / "d/PIC/P0000004.JPG"); // inside: allowed
    fs::create_symlink(root / "other", root / "d/DRA");              // the folder itself
    const std::string delivery = (root / "d").string() + "/./";
    const struct {
        const char* file;
        bool leaves;
    } cases[] = {{"PIC/P0000001.JPG", false},
                 {"PIC/P0000002.JPG", true},
                 {"PIC/P0000004.JPG", false},
                 {"DRA/P0000003.JPG", true}};
    for (const auto& example : cases) {
        const auto located = locateMediaFile(delivery + example.file);
        ASSERT_TRUE(located) << example.file;
        EXPECT_EQ(leavesDeliveryFolder(*located), example.leaves) << example.file;
    }
}

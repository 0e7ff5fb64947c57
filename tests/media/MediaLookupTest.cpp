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

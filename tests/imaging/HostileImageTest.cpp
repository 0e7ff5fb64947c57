#include <filesystem>

#include <gtest/gtest.h>

#include "imaging/ImageLoader.h"
#include "tests/support/ManualExecutor.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestImages.h"
#include "tools/sample/ImageBombs.h"

namespace {

QString scratch(const std::string& name) {
    return QString::fromStdString((scratchFolder() / name).string());
}

DecodeOutcome outcomeOf(const QString& path, QSize box) {
    return decodeMediaFile(path.toStdString(), box).outcome;
}

} // namespace

TEST(HostileImages, HeadersAnnouncingHugeImagesAreRefusedOnScreenAndInPrint) {
    ASSERT_TRUE(writePngBomb(scratch("bomb.png"), 100000, 100000));
    ASSERT_TRUE(writeTiffBomb(scratch("bomb.tif"), 100000, 100000));
    ASSERT_TRUE(writeProgressiveJpegBomb(scratch("bomb.jpg"), 65000, 65000));
    for (const char* bomb : {"bomb.png", "bomb.tif", "bomb.jpg"}) {
        EXPECT_EQ(outcomeOf(scratch(bomb), QSize(285, 125)), DecodeOutcome::Undecodable) << bomb;
        EXPECT_EQ(outcomeOf(scratch(bomb), QSize()), DecodeOutcome::Undecodable) << bomb;
    }
}

TEST(HostileImages, ManyPagesShowTheFirstAndHugeMetadataIsRefused) {
    ASSERT_TRUE(writeManyPageTiff(scratch("pages.tif"), 3000));
    const DecodedFile pages = decodeMediaFile(scratch("pages.tif").toStdString(), QSize());
    EXPECT_EQ(pages.outcome, DecodeOutcome::Decoded);
    EXPECT_EQ(pages.fullSize, QSize(16, 1)); // the first page only

    // A megabyte of EXIF is a photo's; two hundred 64 KB segments the decoder would all keep.
    ASSERT_TRUE(writeJpegWithHugeExif(scratch("exif.jpg"), 16));
    ASSERT_TRUE(writeJpegWithHugeExif(scratch("exif-bomb.jpg"), 200));
    EXPECT_EQ(outcomeOf(scratch("exif.jpg"), QSize(285, 125)), DecodeOutcome::Decoded);
    EXPECT_EQ(outcomeOf(scratch("exif-bomb.jpg"), QSize(285, 125)), DecodeOutcome::Undecodable);
}

TEST(HostileImages, AFileThatGoesBeforeItIsDecodedIsMissingUntilItComesBack) {
    auto* executor = new ManualExecutor;
    ImageLoader loader{std::unique_ptr<DecodeExecutor>(executor)};
    const std::string path =
        writeImageFile("PIC/p.png", filledImage(64, 48, Qt::red), "png").string();
    std::vector<DecodeOutcome> outcomes;
    const auto record = [&](const DecodedFile& file) { outcomes.push_back(file.outcome); };
    ImageTicket ticket = loader.request(path, QSize(100, 100), record);
    const auto aside = scratchFolder() / "aside.png";
    std::filesystem::rename(path, aside); // the disc taken out while the decode waited
    executor->runAll();
    std::filesystem::rename(aside, path); // and put back: F5
    loader.forget(path);
    ticket = loader.request(path, QSize(100, 100), record);
    executor->runAll();
    EXPECT_EQ(outcomes,
              (std::vector<DecodeOutcome>{DecodeOutcome::Missing, DecodeOutcome::Decoded}));
}

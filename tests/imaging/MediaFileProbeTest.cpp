#include "imaging/MediaFileProbe.h"
#include "imaging/Exiv2Reading.h"
#include "imaging/PhotoMetadata.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "tests/support/ScratchFiles.h"
#include "tests/support/TestImages.h"
#include "tools/sample/FaxTiff.h"
#include "tools/sample/SampleExif.h"
#include "tools/sample/SampleImages.h"

namespace {

std::string scratch(const std::string& name) {
    return (scratchFolder() / name).string();
}

std::string bytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

} // namespace

TEST(MediaFileProbe, TellsWhatTheCheckAsksOfEachKindOfFile) {
    const std::string photo = scratch("PIC/P0000001.JPG");
    writeImageFile("PIC/P0000001.JPG", filledImage(1280, 960, Qt::blue), "jpeg");
    ASSERT_TRUE(writeExifShotDate(photo, "2024-05-10"));
    const std::string whole = bytesOf(photo);
    writeScratchFile("PIC/P0000002.JPG", whole.substr(0, whole.size() / 2)); // cut short
    writeImageFile("PIC/P0000003.JPG", filledImage(64, 48, Qt::red), "png");
    std::filesystem::create_directories(scratchFolder() / "DRA");
    ASSERT_TRUE(writeGroup4Tiff(QString::fromStdString(scratch("DRA/D0000001.TIF")),
                                filledImage(200, 100, Qt::white)));

    const MediaFileProbe probe;
    const FileFacts sound = probe.probe(scratch("./pic/p0000001.jpg"));
    EXPECT_TRUE(sound.exists && sound.decodable && !sound.truncated);
    EXPECT_EQ(sound.format, FileFormat::Jpeg);
    EXPECT_EQ(sound.width * sound.height, 1280 * 960);
    EXPECT_EQ(sound.exifDate, std::optional<std::string>("2024-05-10"));

    const FileFacts cut = probe.probe(scratch("PIC/P0000002.JPG"));
    EXPECT_TRUE(cut.truncated);

    EXPECT_EQ(probe.probe(scratch("PIC/P0000003.JPG")).format, FileFormat::Other);
    const FileFacts drawing = probe.probe(scratch("DRA/D0000001.TIF"));
    EXPECT_EQ(drawing.format, FileFormat::Tiff);
    EXPECT_TRUE(drawing.decodable);
    EXPECT_FALSE(probe.probe(scratch("PIC/P0000009.JPG")).exists);
}

TEST(MediaFileProbe, AnExifDateCountsOnlyWhenItIsARealDay) {
    const struct {
        const char* written;
        std::optional<std::string> day;
    } dates[] = {
        {"2024:05:10 10:00:00", "2024-05-10"},
        {"0000:00:00 00:00:00", std::nullopt}, // a clock never set
        {"    :  :     :  :  ", std::nullopt}, // the EXIF form of an unknown date
        {"2023:02:29 10:00:00", std::nullopt},
        {"2024:05", std::nullopt},
    };
    for (const auto& date : dates)
        EXPECT_EQ(exifDay(date.written), date.day) << date.written;
}

TEST(PhotoMetadata, ReadsTheCameraAndTheElectronicBlackboard) {
    const std::string photo = scratch("PIC/P0000001.JPG");
    writeImageFile("PIC/P0000001.JPG", filledImage(64, 48, Qt::blue), "jpeg");
    EXPECT_TRUE(readPhotoMetadata(photo).exif.empty()); // nothing written yet
    ASSERT_TRUE(writeCameraMetadata(photo, "2024-05-10", sampleBlackboard(12)));

    const PhotoMetadata metadata = readPhotoMetadata(photo);
    const auto value = [](const std::vector<MetadataItem>& items, const std::string& label) {
        const auto found = std::find_if(items.begin(), items.end(), [&](const MetadataItem& item) {
            return item.label == label;
        });
        return found == items.end() ? std::string("(none)") : found->value;
    };
    EXPECT_EQ(value(metadata.exif, "機種"), "Sample Camera");
    EXPECT_EQ(value(metadata.exif, "露出時間"), "1/250 秒");
    EXPECT_EQ(value(metadata.exif, "絞り値"), "F5.6");
    EXPECT_EQ(metadata.shotDay, std::optional<std::string>("2024-05-10"));
    EXPECT_EQ(value(metadata.exif, "撮影日時（DateTimeOriginal）"), "2024-05-10 10:00:00");
    EXPECT_EQ(value(metadata.blackboard, "工事名"), "サンプル道路改良工事");
    EXPECT_EQ(value(metadata.blackboard, "測点（撮影箇所）"), "No.12+5.0");
    EXPECT_EQ(value(metadata.blackboard, "設計値 1"), "1512");
    EXPECT_EQ(value(metadata.blackboard, "実測値 1"), "1514");
    EXPECT_EQ(metadata.blackboard.size(), 8u); // the measurement's containers are no items
    EXPECT_FALSE(metadata.tamperCheckValue);
}

TEST(MediaFileProbe, TellsHowAPhotoWasMadeAndWhatItShows) {
    const auto write = [](const std::string& name, int serial) {
        const QString path = QString::fromStdString(scratch(name));
        std::filesystem::create_directories(scratchFolder() / "PIC");
        return writeSamplePhoto(path, serial, "掘削状況", QSize(1280, 960)) &&
               writeCameraMetadata(path.toStdString(), "2024-05-10", sampleBlackboard(serial));
    };
    ASSERT_TRUE(write("PIC/P0000001.JPG", 1) && write("PIC/P0000002.JPG", 2));
    const QImage picture(QString::fromStdString(scratch("PIC/P0000001.JPG")));
    ASSERT_TRUE(picture.scaled(1152, 864, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .save(QString::fromStdString(scratch("PIC/P0000003.JPG")), "JPEG", 70));

    const MediaFileProbe probe;
    const FileFacts photo = probe.probe(scratch("PIC/P0000001.JPG"));
    EXPECT_EQ(photo.making.software, "Sample Camera Firmware 1.00");
    EXPECT_EQ(photo.making.taken, "2024:05:10 10:00:00");
    EXPECT_EQ(photo.making.recordedWidth * photo.making.recordedHeight, 1280 * 960);
    EXPECT_NE(std::find(photo.blackboard.begin(), photo.blackboard.end(),
                        std::pair<std::string, std::string>("工種", "掘削工")),
              photo.blackboard.end());
    const auto apart = [&](const char* name) {
        return std::popcount(photo.fingerprint.looks ^
                             probe.probe(scratch(name)).fingerprint.looks);
    };
    EXPECT_LE(apart("PIC/P0000003.JPG"), 2); // the same picture, smaller and re-compressed
    EXPECT_GE(apart("PIC/P0000002.JPG"), 8); // another scene
    EXPECT_NE(photo.fingerprint.contentDigest,
              probe.probe(scratch("PIC/P0000003.JPG")).fingerprint.contentDigest);
}

#include "imaging/EmbeddedThumbnail.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

#include "imaging/ImageLoader.h"
#include "tests/support/ManualExecutor.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestImages.h"
#include "tools/sample/SampleExif.h"

namespace {

// A camera's photo of size in red, whose embedded 160 × 120 thumbnail shows it in blue
// between the black bands that pad it to 4:3.
std::string cameraPhoto(const std::string& name, QSize size, int orientation = 1) {
    const std::string path =
        writeJpegWithOrientation(name, filledImage(size.width(), size.height(), Qt::red),
                                 orientation)
            .string();
    QImage thumbnail = filledImage(160, 120, Qt::black);
    const QSize content = size.scaled(160, 120, Qt::KeepAspectRatio);
    QPainter(&thumbnail)
        .fillRect(QRect(QPoint((160 - content.width()) / 2, (120 - content.height()) / 2), content),
                  Qt::blue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    thumbnail.save(&buffer, "JPEG", 95);
    EXPECT_TRUE(writeCameraMetadata(path, "2024-05-10", {}, jpeg.toStdString()));
    return path;
}

bool isBlue(const QColor& colour) {
    return colour.blue() > 180 && colour.red() < 80 && colour.green() < 80;
}

} // namespace

TEST(EmbeddedThumbnail, ComesUprightWithoutItsBandsAndNamesThePhotosSize) {
    struct Case {
        QSize photo;
        int orientation;
        QSize thumbnail;
        QSize whole;
    };
    const Case cases[] = {
        {{1280, 960}, 1, {160, 120}, {1280, 960}},
        {{1200, 800}, 1, {160, 107}, {1200, 800}}, // 3:2, padded to 4:3 by the camera
        {{1200, 800}, 6, {107, 160}, {800, 1200}}, // turned upright as the photo is
    };
    useScratchFolder("EmbeddedThumbnail");
    for (const Case& example : cases) {
        const auto decoded =
            decodeEmbeddedThumbnail(cameraPhoto("c.jpg", example.photo, example.orientation));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->image.size(), example.thumbnail);
        EXPECT_EQ(decoded->uprightSize, example.whole);
        const QImage& image = decoded->image;
        EXPECT_TRUE(isBlue(image.pixelColor(2, 2)) &&
                    isBlue(image.pixelColor(image.width() - 3, image.height() - 3)))
            << example.orientation;
    }
    const QImage plain = filledImage(640, 480, Qt::red);
    EXPECT_FALSE(decodeEmbeddedThumbnail(writeImageFile("plain.jpg", plain, "jpeg").string()));
    EXPECT_FALSE(decodeEmbeddedThumbnail(writeImageFile("plain.png", plain, "png").string()));
    // Proportions so extreme that cutting the bands leaves no pixel: no thumbnail.
    EXPECT_FALSE(decodeEmbeddedThumbnail(cameraPhoto("thin.jpg", {48000, 125})));
}

TEST(EmbeddedThumbnail, TheLoaderDeliversItFirstAndASharperImageWhenItIsTooSmall) {
    useScratchFolder("EmbeddedThumbnailLoader");
    auto* executor = new ManualExecutor;
    ImageLoader loader{std::unique_ptr<DecodeExecutor>(executor)};
    std::vector<DecodedFile> delivered;
    const auto record = [&delivered](const DecodedFile& file) { delivered.push_back(file); };
    const auto accept = EmbeddedThumbnail::Accept;

    ImageTicket fits = loader.request(cameraPhoto("a.jpg", {1280, 960}), QSize(160, 120), record,
                                      fitInside, accept);
    executor->runAll();
    ASSERT_EQ(delivered.size(), 1u); // the thumbnail is all a cell of its size needs
    EXPECT_TRUE(isBlue(delivered[0].image.pixelColor(80, 60)));

    delivered.clear();
    ImageTicket larger = loader.request(cameraPhoto("b.jpg", {1280, 960}), QSize(320, 240), record,
                                        fitInside, accept);
    executor->runAll();
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_TRUE(isBlue(delivered[0].image.pixelColor(80, 60)));
    EXPECT_EQ(delivered[1].image.size(), QSize(320, 240));
    EXPECT_EQ(delivered[1].image.pixelColor(160, 120).red(), 254);
    EXPECT_EQ(executor->decodedFiles.size(), 3u);
}

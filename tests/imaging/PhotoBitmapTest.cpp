#include "imaging/PhotoBitmap.h"

#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include "imaging/ImageDecoder.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestImages.h"
#include "tools/sample/FaxTiff.h"

namespace {

// What the views held before the pipeline: the file decoded for the largest screen.
bool load(PhotoBitmap& bitmap, const std::string& path) {
    return bitmap.assign(decodeMediaFile(path, largestScreenSize()));
}

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(PhotoBitmapLoad, EveryDeliveredFormatLoadsByContent) {
    const QImage red = filledImage(64, 48, Qt::red);
    QImage drawing = filledImage(120, 80, Qt::white);
    QPainter(&drawing).fillRect(10, 10, 50, 30, Qt::black);
    const std::string files[] = {
        writeImageFile("a.jpg", red, "jpeg").string(),
        writeImageFile("b.png", red, "png").string(),
        writeImageFile("c.bmp", red, "bmp").string(),
        writeImageFile("jpeg-named.TIF", red, "jpeg").string(),
    };
    for (const std::string& file : files) {
        PhotoBitmap bitmap;
        ASSERT_TRUE(load(bitmap, file)) << file;
        EXPECT_EQ(bitmap.width(), 64) << file;
        EXPECT_EQ(bitmap.height(), 48) << file;
        EXPECT_EQ(bitmap.path(), file);
    }
    const auto fax = scratchFolder() / "fax.tif";
    ASSERT_TRUE(writeGroup4Tiff(QString::fromStdString(fax.string()), drawing));
    PhotoBitmap tiff;
    ASSERT_TRUE(load(tiff, fax.string()));
    EXPECT_EQ(tiff.width(), 120);
    PhotoBitmap gif;
    ASSERT_TRUE(load(gif, writeTinyGif("d.gif").string()));
    EXPECT_EQ(gif.width(), 1);
}

TEST(PhotoBitmapLoad, FailuresLeaveTheObjectEmpty) {
    PhotoBitmap bitmap;
    ASSERT_TRUE(
        load(bitmap, writeImageFile("a.jpg", filledImage(8, 8, Qt::blue), "jpeg").string()));
    EXPECT_FALSE(load(bitmap, writeScratchFile("text.jpg", "not an image").string()));
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.width(), 0);
    EXPECT_EQ(bitmap.path(), "");
    EXPECT_FALSE(load(bitmap, (scratchFolder() / "missing.jpg").string()));
    bitmap.free(); // harmless on an empty object
    EXPECT_FALSE(bitmap.isLoaded());
}

TEST(PhotoBitmapLoad, PhotosAreTurnedUpright) {
    PhotoBitmap bitmap;
    QImage landscape = filledImage(40, 20, Qt::white);
    QPainter(&landscape).fillRect(0, 0, 10, 20, Qt::black); // dark left edge
    ASSERT_TRUE(load(bitmap, writeJpegWithOrientation("rotated.jpg", landscape, 6).string()));
    EXPECT_EQ(bitmap.width(), 20);
    EXPECT_EQ(bitmap.height(), 40);
    // Turned 90° clockwise, the dark left edge is at the top.
    QImage painted = canvas(20, 40);
    QPainter painter(&painted);
    bitmap.paintInto(painter, {0, 0, 20, 40});
    painter.end();
    EXPECT_LT(qGray(painted.pixel(10, 2)), 80);
    EXPECT_GT(qGray(painted.pixel(10, 37)), 180);

    // Reduced while decoding, a turned photo keeps its upright proportions.
    const auto reduced = decodeImage(
        QString::fromStdString(
            writeJpegWithOrientation("long.jpg", filledImage(4000, 1000, Qt::gray), 6).string()),
        QSize(1000, 1000));
    ASSERT_TRUE(reduced);
    EXPECT_EQ(reduced->uprightSize, QSize(1000, 4000));
    EXPECT_EQ(reduced->image.size(), QSize(250, 1000));
}

TEST(PhotoBitmapLoad, LargePhotosAreDecodedNoLargerThanTheScreen) {
    const QSize screen = largestScreenSize();
    const QSize large = screen * 3;
    const auto file =
        writeImageFile("large.jpg", filledImage(large.width(), large.height(), Qt::green), "jpeg");
    const auto decoded = decodeImage(QString::fromStdString(file.string()), screen);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->uprightSize, large);
    EXPECT_LE(decoded->image.width(), screen.width());
    EXPECT_LE(decoded->image.height(), screen.height());
    const auto full = decodeImage(QString::fromStdString(file.string()));
    ASSERT_TRUE(full);
    EXPECT_EQ(full->image.size(), large);

    PhotoBitmap bitmap; // what the views hold
    ASSERT_TRUE(load(bitmap, file.string()));
    EXPECT_EQ(QSize(bitmap.width(), bitmap.height()), large);
    EXPECT_LE(bitmap.decodedSize().width(), screen.width());
    EXPECT_LE(bitmap.decodedSize().height(), screen.height());
}

TEST(PhotoBitmapLoad, AHugeHeaderFailsInsteadOfExhaustingMemory) {
    PhotoBitmap bitmap;
    EXPECT_FALSE(load(bitmap, writeHugeBmpHeader("huge.bmp", 60000, 60000).string()));
    EXPECT_FALSE(bitmap.isLoaded());
}

TEST(PhotoBitmapPaint, AnImageIsPaintedFittedAndCentred) {
    PhotoBitmap bitmap;
    ASSERT_TRUE(
        load(bitmap, writeImageFile("p.png", filledImage(400, 300, Qt::blue), "png").string()));
    bitmap.layout({10, 10, 190, 190});
    EXPECT_EQ(bitmap.fittedRectangle(), (BoxRect{10, 32, 190, 167}));
    EXPECT_TRUE(bitmap.hitTest(10, 32));
    EXPECT_FALSE(bitmap.hitTest(100, 20));
    QImage image = canvas(200, 200);
    QPainter painter(&image);
    EXPECT_TRUE(bitmap.paint(painter));
    painter.end();
    EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(100, 20), QColor(Qt::white));
}

TEST(PhotoBitmapPaint, PrintingUsesTheFullResolutionImage) {
    PhotoBitmap bitmap;
    QImage sharp = filledImage(4000, 1000, Qt::white);
    QPainter(&sharp).fillRect(2000, 0, 1, 1000, Qt::black); // one pixel wide line
    ASSERT_TRUE(load(bitmap, writeImageFile("sharp.png", sharp, "png").string()));
    QImage page = canvas(4000, 2000);
    QPainter painter(&page);
    bitmap.printTo(painter, QRect(0, 0, 4000, 2000));
    painter.end();
    EXPECT_EQ(page.pixelColor(2000, 1000), QColor(Qt::black));
    EXPECT_EQ(page.pixelColor(2001, 1000), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(2000, 400), QColor(Qt::white)); // centred vertically
}

TEST(PhotoBitmapPaint, PrintingPrintsWhatIsShownWhenTheFileChangedOrWent) {
    for (const bool replaced : {true, false}) {
        PhotoBitmap bitmap;
        const auto file = writeImageFile("shown.png", filledImage(400, 300, Qt::blue), "png");
        ASSERT_TRUE(load(bitmap, file.string()));
        if (replaced) // another delivery's disc with a file of the same name
            writeImageFile("shown.png", filledImage(300, 300, Qt::red), "png");
        else // the disc taken out
            std::filesystem::remove(file);
        QImage page = canvas(400, 300);
        QPainter painter(&page);
        bitmap.printTo(painter, page.rect());
        painter.end();
        EXPECT_EQ(page.pixelColor(200, 150), QColor(Qt::blue)) << replaced;
    }
}

int main(int argc, char** argv) {
    // Tests run without a display, also when test discovery lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

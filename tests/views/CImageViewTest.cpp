#include "views/CImageView.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "tests/support/ScratchFiles.h"
#include "tests/support/TestImages.h"
#include "tests/support/ViewFixture.h"

namespace {

// An image view 800 × 600, shown, on a delivery of two photos (blue, green) whose first has
// one drawing (red); the drawing's file is written only when asked for.
struct Fixture : ViewFixture<CImageView> {
    explicit Fixture(bool withDrawing = true, QSize photoSize = QSize(64, 48)) {
        writeImageFile("PIC/" + testPhotoFileName(0),
                       filledImage(photoSize.width(), photoSize.height(), Qt::blue), "png");
        writeImageFile("PIC/" + testPhotoFileName(1), filledImage(64, 48, Qt::green), "png");
        if (withDrawing)
            writeDrawing();
        view.resize(800, 600);
        view.show();
        open(writeScratchFile("PHOTO.XML", testDeliveryXml({{"1", "", "", 1}, {"2"}})).string());
    }

    static void writeDrawing() { writeImageFile("DRA/D0", filledImage(64, 48, Qt::red), "png"); }
    // The image point the zoomed view shows at its own point (x, y), read back from a photo
    // whose pixels tell where they are.
    QPoint imagePointShownAt(int x, int y) {
        const QColor shown = view.zoomedImage().grab().toImage().pixelColor(x, y);
        return QPoint(shown.red() + 256 * (shown.blue() >> 4),
                      shown.green() + 256 * (shown.blue() & 15));
    }
    QColor centre() {
        const QImage shown = view.photoControl().grab().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }
};

// 1600 × 1200, each pixel's colour its own coordinates.
QImage positionImage() {
    QImage image(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) << 4 | (y / 256)));
    }
    return image;
}

} // namespace

class CImageViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void aChosenDrawingIsShownUntilThePhotoChanges() {
        Fixture fixture;
        QCOMPARE(fixture.centre(), QColor(Qt::blue));
        QVERIFY(fixture.document.selectDrawing(0, nullptr));
        fixture.settle();
        QCOMPARE(fixture.centre(), QColor(Qt::red));
        QVERIFY(fixture.document.nextPhoto(nullptr));
        fixture.settle();
        QCOMPARE(fixture.centre(), QColor(Qt::green));
    }

    void reloadReadsTheDrawingShown() {
        Fixture fixture(false);
        QVERIFY(fixture.document.selectDrawing(0, nullptr));
        fixture.settle();
        QCOMPARE(fixture.view.photoControl().captionText(), QString("D0　：　メディア番号＝1"));
        Fixture::writeDrawing(); // the medium was inserted
        QVERIFY(fixture.view.executeCommand(CommandId::Reload));
        fixture.settle();
        QCOMPARE(fixture.centre(), QColor(Qt::red));
    }

    void aViewOf800By600FitsTheImageAsDesigned() {
        Fixture fixture(true, QSize(1600, 1200));
        CPhotoStatic& control = fixture.view.photoControl();
        QCOMPARE(control.geometry(), QRect(10, 10, 780, 580));
        // Painted into (7, 4, 776, 576) of the control.
        const QImage shown = control.grab().toImage();
        QCOMPARE(shown.pixelColor(7, 300), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(775, 300), QColor(Qt::blue));
        QVERIFY(shown.pixelColor(6, 300) != QColor(Qt::blue));
        QVERIFY(shown.pixelColor(776, 300) != QColor(Qt::blue));
        QVERIFY(shown.pixelColor(390, 3) != QColor(Qt::blue));
    }

    void zoomingAndPanningShowTheImagePointsExpected() {
        Fixture fixture(false);
        writeImageFile("PIC/" + testPhotoFileName(0), positionImage(), "png");
        fixture.view.reload();
        fixture.settle();
        QVERIFY(fixture.view.executeCommand(CommandId::ActualSize));
        QCoreApplication::processEvents(); // idle: the image is asked for at 100 %
        fixture.settle();
        QVERIFY(fixture.view.zoomedImage().holdsWholeImage());
        // One image pixel per device pixel, around the point shown at the view's centre.
        const QPoint topLeft = fixture.imagePointShownAt(0, 0);
        QCOMPARE(fixture.imagePointShownAt(779, 579) - topLeft, QPoint(779, 579));
        QVERIFY((topLeft - QPoint(410, 310)).manhattanLength() <= 8);
        QCOMPARE(fixture.view.zoomedImage().zoom().percent(), 100);
        // The wheel keeps the point under the pointer where it is.
        const QPoint pointer(200, 100);
        const QPoint underPointer = fixture.imagePointShownAt(190, 90);
        QWheelEvent notch(pointer, fixture.view.mapToGlobal(pointer), {}, QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&fixture.view, &notch);
        QCOMPARE(fixture.view.zoomedImage().zoom().percent(), 126);
        QVERIFY((fixture.imagePointShownAt(190, 90) - underPointer).manhattanLength() <= 2);
        // A drag pans and does not return; panning decodes nothing.
        const std::size_t decodes = fixture.decoder->decodedFiles.size();
        QSignalSpy end(&fixture.view, &CImageView::endRequested);
        const QPoint before = fixture.imagePointShownAt(300, 300);
        QTest::mousePress(&fixture.view, Qt::LeftButton, {}, QPoint(500, 400));
        QTest::mouseMove(&fixture.view, QPoint(400, 350));
        QTest::mouseRelease(&fixture.view, Qt::LeftButton, {}, QPoint(400, 350));
        QVERIFY((fixture.imagePointShownAt(200, 250) - before).manhattanLength() <= 2);
        QCOMPARE(end.count(), 0);
        // Shift+→ shows more of the right side: an eighth of the view.
        QVERIFY(fixture.view.executeCommand(CommandId::PanRight));
        QVERIFY((fixture.imagePointShownAt(200 - 780 / 8, 250) - before).manhattanLength() <= 2);
        fixture.settle();
        QCOMPARE(fixture.decoder->decodedFiles.size(), decodes);
    }

    void zoomStepsStopAtFullSizeAndAtTheFitAndDecodeWhatIsShown() {
        // A 4000 × 3000 photo in 780 × 580: fitted at 19 %.
        ImageZoom zoom;
        zoom.setViewport(QSizeF(780, 580));
        zoom.showImage(QSize(4000, 3000));
        QCOMPARE(zoom.percent(), 19);
        const QPointF centre(390, 290);
        const struct {
            double factor;
            int percent;
            QSize decoded;
        } steps[] = {{1.25, 24, QSize(1000, 750)},   {2.0, 48, QSize(2000, 1500)},
                     {1.25, 60, QSize(4000, 3000)},  {2.0, 100, QSize(4000, 3000)},
                     {100, 1600, QSize(4000, 3000)}, {0.01, 100, QSize(4000, 3000)},
                     {0.5, 50, QSize(2000, 1500)},   {0.25, 19, QSize(1000, 750)}};
        for (const auto& step : steps) {
            zoom.zoomBy(step.factor, centre);
            QCOMPARE(zoom.percent(), step.percent);
            QCOMPARE(zoom.decodeSize(), step.decoded);
        }
        QVERIFY(zoom.isFitted());
        // Zooming near an edge of a wide view: the image is centred while narrower than the
        // view, yet the point first under the pointer returns there at 100 %.
        ImageZoom wide;
        wide.setViewport(QSizeF(1580, 904));
        wide.showImage(QSize(4000, 3000));
        const QPointF nearEdge(278, 837);
        const QPointF underPointer = (nearEdge - wide.imageRect().topLeft()) / wide.scale();
        while (wide.percent() < 100)
            wide.zoomBy(1.26, nearEdge);
        QCOMPARE(wide.imageRect().topLeft() + underPointer, nearEdge);
        // A scan of 20,000 × 14,000 at 100 % is decoded at no more than 40 megapixels.
        zoom.showImage(QSize(20000, 14000));
        zoom.showActualSize(centre);
        QCOMPARE(zoom.decodeSize(), QSize(7559, 5291));
    }

    void aNewDocumentLeavesNothingToShowPrintOrReload() {
        Fixture fixture;
        QVERIFY(fixture.view.canPrint());
        fixture.document.OnNewDocument();
        fixture.document.sendInitialUpdate();
        QVERIFY(!fixture.view.photoControl().showsImage());
        QVERIFY(!fixture.view.canPrint());
        const std::size_t decodes = fixture.decoder->decodedFiles.size();
        fixture.view.reload();
        fixture.settle();
        QCOMPARE(fixture.decoder->decodedFiles.size(), decodes);
    }

    void whileHiddenItDecodesNothing() {
        Fixture fixture;
        fixture.view.hide();
        const std::size_t decodes = fixture.decoder->decodedFiles.size();
        QVERIFY(fixture.document.nextPhoto(nullptr));
        fixture.settle();
        QCOMPARE(fixture.decoder->decodedFiles.size(), decodes);
        fixture.view.show(); // enlarged
        fixture.settle();
        QCOMPARE(fixture.centre(), QColor(Qt::green));
    }

    void aClickReturnsAndTheFrameCommandsAreOff() {
        Fixture fixture;
        QSignalSpy end(&fixture.view, &CImageView::endRequested);
        QTest::mouseClick(&fixture.view, Qt::LeftButton, {}, QPoint(3, 3));     // beside the photo
        QTest::mouseClick(&fixture.view, Qt::LeftButton, {}, QPoint(300, 300)); // on the photo
        QTest::mouseClick(&fixture.view, Qt::RightButton, {}, QPoint(3, 3));    // only the left
        QTest::mouseClick(&fixture.view, Qt::MiddleButton, {}, QPoint(300, 300));
        QCOMPARE(end.count(), 2);
        for (const CommandId id : {CommandId::FourPhotos, CommandId::OnePhoto, CommandId::FileOpen,
                                   CommandId::Options, CommandId::ToggleTree}) {
            CommandState state{true, false};
            QVERIFY(fixture.view.updateCommand(id, state));
            QVERIFY(!state.enabled);
        }
    }
};

QTEST_MAIN(CImageViewTest)
#include "CImageViewTest.moc"

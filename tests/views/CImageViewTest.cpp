#include "views/CImageView.h"

#include <QSignalSpy>
#include <QTest>

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
    QColor centre() {
        const QImage shown = view.photoControl().grab().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }
};

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
        QTest::mouseClick(&fixture.view, Qt::LeftButton, {}, QPoint(3, 3)); // beside the photo
        QTest::mouseClick(&fixture.view.photoControl(), Qt::LeftButton, {}, QPoint(300, 300));
        QTest::mouseClick(&fixture.view, Qt::RightButton, {}, QPoint(3, 3)); // only the left
        QTest::mouseClick(&fixture.view.photoControl(), Qt::MiddleButton, {}, QPoint(300, 300));
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

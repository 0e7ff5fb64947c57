#include "views/CSankouzuView.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include "tests/support/ScratchFiles.h"
#include "tests/support/TestImages.h"
#include "tests/support/ViewFixture.h"
#include "views/DrawingColumnLayout.h"

namespace {

// A drawing column 200 pixels wide on a delivery whose first photo has the given drawings;
// its decodes run when settle() is called.
struct Fixture : ViewFixture<CSankouzuView> {
    explicit Fixture(int drawings) {
        view.viewport()->resize(200, 300);
        view.resize(200 + view.verticalScrollBar()->sizeHint().width(), 300);
        open(writeScratchFile("PHOTO.XML", testDeliveryXml({{"1", "", "", drawings}, {"2"}}))
                 .string());
    }

    QPoint centreOf(int item) const {
        return view.itemBitmap(item).fittedRectangle().toQRect().center();
    }
};

void writeDrawing(int number, int width = 400, int height = 300) {
    writeImageFile("DRA/D" + std::to_string(number), filledImage(width, height, Qt::blue), "png");
}

} // namespace

class CSankouzuViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void theColumnIsLaidOutAsDesigned() {
        struct Case {
            int width;
            int items;
            std::vector<BoxRect> boxes;
            int contentHeight;
        };
        for (const Case& test : {Case{200, 2, {{10, 10, 190, 190}, {10, 200, 190, 380}}, 390},
                                 Case{30, 1, {{10, 10, 40, 40}}, 50}, Case{200, 0, {}, 10}}) {
            const DrawingColumnLayout layout = drawingColumnLayout(test.width, test.items);
            QCOMPARE(layout.boxes, test.boxes);
            QCOMPARE(layout.contentHeight, test.contentHeight);
        }
        writeDrawing(0);
        writeDrawing(1);
        Fixture fixture(2);
        QCOMPARE(fixture.view.contentHeight(), 390);
        QCOMPARE(fixture.view.itemBitmap(0).fittedRectangle(), (BoxRect{10, 32, 190, 167}));
    }

    void captionsCanBeChosenButNotEnlarged() {
        writeDrawing(1);
        Fixture fixture(2); // D0 is on another medium
        QCOMPARE(fixture.view.itemCaption(0), QString("D0　：　メディア番号＝1"));
        QSignalSpy enlarge(&fixture.view, &CSankouzuView::enlargeRequested);
        QTest::mouseClick(fixture.view.viewport(), Qt::LeftButton, {}, fixture.centreOf(0));
        QCOMPARE(fixture.document.currentDrawingIndex(), 0);
        QTest::mouseDClick(fixture.view.viewport(), Qt::LeftButton, {}, fixture.centreOf(0));
        QCOMPARE(enlarge.count(), 0);
        QTest::mouseDClick(fixture.view.viewport(), Qt::LeftButton, {}, fixture.centreOf(1));
        QCOMPARE(enlarge.count(), 1);

        // The margin of a square, beside its drawing, is no drawing.
        QTest::mouseClick(fixture.view.viewport(), Qt::LeftButton, {}, fixture.centreOf(1));
        QTest::mouseClick(fixture.view.viewport(), Qt::LeftButton, {}, QPoint(100, 205));
        QCOMPARE(fixture.document.currentDrawingIndex(), 1);
        QCOMPARE(fixture.view.itemAt(QPoint(5, 50)), -1);
    }

    void aDamagedDrawingKeepsItsPlace() {
        writeScratchFile("DRA/D0", "not an image");
        writeDrawing(1);
        Fixture fixture(2);
        QCOMPARE(fixture.view.itemCaption(0), QString("D0　：　画像を表示できません"));
        QTest::mouseClick(fixture.view.viewport(), Qt::LeftButton, {}, fixture.centreOf(1));
        QCOMPARE(fixture.document.currentDrawingIndex(), 1); // the drawing clicked
    }

    void reloadShowsADrawingThatAppeared() {
        Fixture fixture(1);
        QVERIFY(!fixture.view.itemBitmap(0).isLoaded());
        writeDrawing(0); // the medium was inserted
        CommandState reload;
        QVERIFY(fixture.view.updateCommand(CommandId::Reload, reload) && reload.enabled);
        QVERIFY(fixture.view.executeCommand(CommandId::Reload));
        fixture.settle();
        QVERIFY(fixture.view.itemBitmap(0).isLoaded());
    }

    void hintsRebuildOrLeaveTheColumn() {
        writeDrawing(0);
        Fixture fixture(1);
        const std::size_t decodes = fixture.decoder->decodedFiles.size();
        fixture.document.updateAllViews(nullptr, UpdateHint::HINT_LAYOUT_CHANGED);
        fixture.document.updateAllViews(nullptr, UpdateHint::HINT_DRAWING_SELECTED);
        QCOMPARE(fixture.view.itemCount(), 1);
        QVERIFY(fixture.view.itemBitmap(0).isLoaded()); // untouched
        QVERIFY(fixture.document.nextPhoto(nullptr));   // a photo without drawings
        QCOMPARE(fixture.view.itemCount(), 0);
        QCOMPARE(fixture.view.contentHeight(), 10);
        QVERIFY(fixture.document.previousPhoto(nullptr));
        QVERIFY(fixture.view.itemBitmap(0).isLoaded()); // from the cache, at once
        QCOMPARE(fixture.decoder->decodedFiles.size(), decodes);
    }

    void aNotchOfTheWheelMovesOnByOneDrawingAndEachNamesItsTitle() {
        std::string drawings;
        for (const char* title : {"平面図", "縦断図", "横断図"})
            drawings +=
                std::string("<付加情報><参考図ファイル名>D0</参考図ファイル名><参考図タイトル>") +
                title + "</参考図タイトル></付加情報>";
        Fixture fixture(0);
        fixture.open(
            writeScratchFile("TITLED.XML", "<photodata><写真情報><シリアル番号>1</シリアル番号>" +
                                               drawings + "</写真情報></photodata>")
                .string());
        fixture.view.show();
        const QPoint second = fixture.centreOf(1);
        QHelpEvent help(QEvent::ToolTip, second, fixture.view.viewport()->mapToGlobal(second));
        QCoreApplication::sendEvent(fixture.view.viewport(), &help);
        QCOMPARE(QToolTip::text(), QString("縦断図"));
        QWheelEvent notch(QPointF(100, 100), QPointF(100, 100), {}, QPoint(0, -120), Qt::NoButton,
                          {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(fixture.view.viewport(), &notch);
        const int pitch =
            fixture.view.itemBitmap(1).box().top - fixture.view.itemBitmap(0).box().top;
        QCOMPARE(fixture.view.verticalScrollBar()->value(), pitch); // the second drawing's turn
    }
};

QTEST_MAIN(CSankouzuViewTest)
#include "CSankouzuViewTest.moc"

#include "views/CThumbnailView.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"
#include "tests/support/TestImages.h"
#include "tests/support/ViewFixture.h"

class CThumbnailViewTest : public QObject {
    Q_OBJECT

private:
    // A grid 600 × 440 on a delivery of count photos, all on disc but those listed missing;
    // the third is cut short.
    struct Fixture : ViewFixture<CThumbnailView> {
        Fixture(int count, std::vector<int> missing = {}) {
            std::vector<TestPhoto> photos;
            for (int i = 0; i < count; ++i) {
                photos.emplace_back(std::to_string(i + 1));
                photos.back().mediaNumber = "2";
                if (std::find(missing.begin(), missing.end(), i) == missing.end())
                    writeImageFile("PIC/" + testPhotoFileName(std::size_t(i)),
                                   filledImage(64, 48, Qt::darkGreen), "png");
            }
            writeCutShortJpeg("PIC/F2.JPG", filledImage(640, 480, Qt::blue));
            view.resize(600, 440);
            view.setShown(true);
            open(writeScratchFile("PHOTO.XML", testDeliveryXml(photos)).string());
        }

        QPoint centreOf(int index) const { return view.cellRectOf(index).center(); }
    };

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void cellsStandInCentredRowsWithGapsThatHoldNoPhoto() {
        const ThumbnailGrid grid(500, QSize(100, 150)); // five columns, no margin
        QCOMPARE(grid.columns(), 5);
        QCOMPARE(grid.cellRect(7), QRect(200, 150, 100, 150));
        QCOMPARE(grid.indexAt(QPoint(499, 299), 12), 9);
        QCOMPARE(grid.indexAt(QPoint(250, 320), 12), -1);           // beyond the twelfth
        QCOMPARE(grid.cellsIn(140, 20, 12), std::make_pair(0, 10)); // two rows touched
        QCOMPARE(grid.cellsIn(300, 300, 12), std::make_pair(10, 12));
        QCOMPARE(grid.cellsPerPage(449), 10);
        const ThumbnailGrid narrow(250, QSize(100, 150)); // two columns, 25 each side
        QCOMPARE(narrow.indexAt(QPoint(20, 10), 4), -1);
        QCOMPARE(narrow.indexAt(QPoint(130, 10), 4), 1);
        QCOMPARE(ThumbnailGrid(50, QSize(100, 150)).columns(), 1);
    }

    void onlyTheCellsOnScreenAndAScreenAheadHoldThumbnails() {
        Fixture fixture(300, {1});
        const std::size_t onScreen = fixture.view.thumbnailsHeld();
        QVERIFY(onScreen > 6 && onScreen < 60);
        QVERIFY(!fixture.view.imageAt(0).isNull());
        QVERIFY(fixture.view.imageAt(1).isNull());
        QCOMPARE(fixture.view.captionAt(1), QString("F1.JPG　：　メディア番号＝2"));
        QVERIFY(!fixture.view.imageAt(2).isNull());
        QCOMPARE(fixture.view.captionAt(2), QString("F2.JPG　：　ファイルが途中で切れています"));
        // The end of the delivery: its cells arrive, the first ones are let go.
        QVERIFY(fixture.document.goToPhoto(299, nullptr));
        fixture.settle();
        QVERIFY(!fixture.view.imageAt(299).isNull());
        QVERIFY(fixture.view.imageAt(0).isNull());
        QVERIFY(fixture.view.thumbnailsHeld() <= onScreen);
        QVERIFY(fixture.view.cellRectOf(299).bottom() < fixture.view.viewport()->height());
        fixture.view.setShown(false);
        QCOMPARE(fixture.view.thumbnailsHeld(), std::size_t(0));
    }

    void arrowsMoveByARowAndAClickChooses() {
        Fixture fixture(10);
        QWidget* viewport = fixture.view.viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, fixture.centreOf(1));
        QCOMPARE(fixture.document.currentIndex(), 1);
        int columns = 1;
        while (fixture.view.cellRectOf(columns).top() == fixture.view.cellRectOf(0).top())
            ++columns;
        QCOMPARE(columns, 3); // beside the scroll bar
        QTest::keyClick(&fixture.view, Qt::Key_Down);
        QCOMPARE(fixture.document.currentIndex(), 1 + columns);
        QTest::keyClick(&fixture.view, Qt::Key_Up);
        QCOMPARE(fixture.document.currentIndex(), 1);
        QTest::keyClick(&fixture.view, Qt::Key_Up); // nothing above the first row
        QCOMPARE(fixture.document.currentIndex(), 1);
        // Down from the row above a shorter last row lands on its last photo.
        QVERIFY(fixture.document.goToPhoto(8, nullptr));
        QTest::keyClick(&fixture.view, Qt::Key_Down);
        QCOMPARE(fixture.document.currentIndex(), 9);
        QSignalSpy chosen(&fixture.view, &CThumbnailView::photoChosen);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, fixture.centreOf(4));
        QCOMPARE(fixture.document.currentIndex(), 4);
        QTest::keyClick(&fixture.view, Qt::Key_Return);
        QCOMPARE(chosen.count(), 2);
    }
};

QTEST_MAIN(CThumbnailViewTest)
#include "CThumbnailViewTest.moc"

#include "views/CPhotoStatic.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "imaging/FileCaption.h"
#include "tests/support/TestImages.h"

class CPhotoStaticTest : public QObject {
    Q_OBJECT

private:
    const QColor cyan{160, 255, 255};
    const QColor grey{190, 190, 190};

    static QImage grabbed(CPhotoStatic& control) { return control.grab().toImage(); }

    static DecodedFile decoded(const QImage& image) {
        return decodeMediaFile(writeImageFile("p.png", image, "png").string(), QSize());
    }

private Q_SLOTS:
    void aSelectedPhotoHasACyanFrameAroundTheImage() {
        CPhotoStatic control;
        control.resize(200, 150);
        QVERIFY(control.showImage(decoded(filledImage(640, 480, Qt::blue))));
        control.setSelected(true);
        const QImage image = grabbed(control);
        // Image in (4, 4, 196, 150); frame on (1, 1, 200, 154), clipped by the control.
        QCOMPARE(image.pixelColor(100, 75), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(0, 75), cyan);
        QCOMPARE(image.pixelColor(2, 75), cyan);
        QCOMPARE(image.pixelColor(100, 0), cyan);
        QCOMPARE(image.pixelColor(198, 75), cyan);
        control.setSelected(false);
        QVERIFY(grabbed(control).pixelColor(0, 75) != cyan);
    }

    void aMissingPhotoShowsItsCaptionFramed() {
        CPhotoStatic control;
        control.resize(300, 100);
        control.showCaption(QString::fromStdString(missingFileCaption("P0000003.JPG", "2")));
        QCOMPARE(control.captionText(), QString("P0000003.JPG　：　メディア番号＝2"));
        // The 4-pixel frame on the box moved in by 3 covers pixels 1 to 4 from each edge.
        const QImage shown = grabbed(control);
        QCOMPARE(shown.pixelColor(1, 50), grey);
        QCOMPARE(shown.pixelColor(4, 50), grey);
        QVERIFY(shown.pixelColor(0, 50) != grey);
        QVERIFY(shown.pixelColor(5, 50) != grey);
        QCOMPARE(shown.pixelColor(150, 98), grey);
        control.setSelected(true);
        QCOMPARE(grabbed(control).pixelColor(2, 50), cyan); // the cyan frame covers the grey
    }

    void aCaptionPrintsAsTheScreenShowsIt() {
        CPhotoStatic control;
        control.resize(300, 100);
        control.showCaption(QString::fromStdString(missingFileCaption("P0000003.JPG", "2")));
        QImage page(300, 100, QImage::Format_RGB32); // a page of the control's own size
        page.fill(Qt::white);
        QPainter painter(&page);
        control.printTo(painter, page.rect());
        painter.end();
        // The same pixels stand out from the background: same font, place and frame.
        const auto marks = [](const QImage& image) {
            QImage mask(image.size(), QImage::Format_Mono);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    mask.setPixel(x, y, image.pixel(x, y) != image.pixel(0, 0));
            return mask;
        };
        QCOMPARE(marks(page), marks(grabbed(control)));
    }

    void anEmptyControlPaintsNothing() {
        CPhotoStatic control;
        control.resize(100, 100);
        const QImage before = grabbed(control);
        control.setSelected(true);
        QCOMPARE(grabbed(control), before);
    }

    void aNewImageReplacesTheCaptionShownBefore() {
        CPhotoStatic control;
        control.resize(200, 150);
        control.showCaption(QString::fromStdString(missingFileCaption("P0000003.JPG", "2")));
        QVERIFY(control.showImage(decoded(filledImage(200, 150, Qt::red))));
        QCOMPARE(control.captionText(), QString());
        const QImage image = grabbed(control);
        QCOMPARE(image.pixelColor(100, 75), QColor(Qt::red));
        QVERIFY(image.pixelColor(1, 75) != grey);
    }

    void clicksAndDoubleClicksReachTheParent() {
        CPhotoStatic control;
        control.resize(100, 100);
        QSignalSpy clicked(&control, &CPhotoStatic::clicked);
        QSignalSpy doubleClicked(&control, &CPhotoStatic::doubleClicked);
        QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(clicked.count(), 1);
        // The first press and release of a double click is a click; the release that ends
        // the double click is not.
        const QPoint centre(50, 50); // a double click as the platform delivers it
        QTest::mousePress(&control, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(&control, Qt::LeftButton, {}, centre);
        QTest::mousePress(&control, Qt::LeftButton, {}, centre);
        QTest::mouseDClick(&control, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(&control, Qt::LeftButton, {}, centre);
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(clicked.count(), 2);
        QTest::mouseClick(&control, Qt::RightButton, {}, QPoint(50, 50));
        QCOMPARE(clicked.count(), 2);
    }
};

QTEST_MAIN(CPhotoStaticTest)
#include "CPhotoStaticTest.moc"

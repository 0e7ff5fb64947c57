#include "views/CPhotoView.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSignalSpy>
#include <QTest>

#include "album/AlbumWriter.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"
#include "tests/support/TestImages.h"
#include "tests/support/ViewFixture.h"
#include "views/PlainText.h"
#include "views/UiFont.h"

class CPhotoViewTest : public QObject {
    Q_OBJECT

private:
    const QColor cyan{160, 255, 255};

    // A delivery of count photos with serial numbers 1, 2, …; each photo's file shows its own
    // colour, except those listed as missing.
    static std::string writeDelivery(int count, std::vector<int> missing = {}) {
        std::vector<TestPhoto> photos;
        for (int i = 0; i < count; ++i) {
            photos.emplace_back(std::to_string(i + 1));
            photos.back().mediaNumber = "2";
            if (std::find(missing.begin(), missing.end(), i) == missing.end())
                writePhotoFile(i);
        }
        return writeScratchFile("PHOTO.XML", testDeliveryXml(photos)).string();
    }

    static QColor colourOf(int position) {
        return QColor(QColor::fromHsv(position * 29 % 360, 255, 255).rgb());
    }

    static void writePhotoFile(int position) {
        writeImageFile("PIC/" + testPhotoFileName(static_cast<std::size_t>(position)),
                       filledImage(64, 48, colourOf(position)), "png");
    }

    static QColor centreColour(CPhotoStatic& control) {
        const QImage image = control.grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }

    // The page the view prints, on a white 400 × 400 sheet.
    static QImage printedPage(const CPhotoView& view) {
        QImage page(400, 400, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        view.printPage(painter, page.rect());
        painter.end();
        return page;
    }

    // A view 600 × 440 on an open delivery; its decodes run when settle() is called.
    struct Fixture : ViewFixture<CPhotoView> {
        Fixture(const std::string& path, bool fourPhotos) {
            view.resize(600, 440);
            if (fourPhotos)
                document.OnTogglePhotoLayout();
            open(path);
        }

        bool goTo(int index) {
            const bool moved = document.goToPhoto(index, nullptr);
            settle();
            return moved;
        }
    };

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void aFileCutShortShowsWhatWasReadUnderItsCaption() {
        const std::string path = writeDelivery(1);
        writeCutShortJpeg("PIC/F0.JPG", filledImage(640, 480, Qt::blue));
        Fixture fixture(path, false);
        const QString caption("F0.JPG　：　ファイルが途中で切れています");
        QVERIFY(fixture.view.photoControl(0).showsImage());
        QCOMPARE(fixture.view.photoControl(0).captionText(), caption);
        // The album shows it so too.
        AlbumEntry entry;
        showImage(
            entry,
            decodeMediaFile(fixture.document.delivery().folders.photos + "F0.JPG", QSize(64, 48)),
            "F0.JPG", "2");
        QVERIFY(!entry.image.isNull());
        QCOMPARE(entry.caption, caption);
    }

    void aViewOf600By440PlacesItsPartsAsDesigned() {
        Fixture fixture(writeDelivery(4), true);
        CPhotoView& view = fixture.view; // 600 × 440
        const QList<FittedText*> texts = view.findChildren<FittedText*>();
        QCOMPARE(texts.size(), 2);
        FittedText* heading = texts[0]->text() == "T1" ? texts[0] : texts[1];
        FittedText* description = heading == texts[0] ? texts[1] : texts[0];
        QCOMPARE(heading->geometry(), QRect(10, 10, 580, 40));
        QCOMPARE(heading->font(), uiFont(18)); // font heights are character cell heights
        const QRect cells[] = {
            {10, 60, 285, 125}, {305, 60, 285, 125}, {10, 195, 285, 125}, {305, 195, 285, 125}};
        for (int position = 0; position < 4; ++position)
            QCOMPARE(view.photoControl(position).geometry(), cells[position]);
        QCOMPARE(description->geometry(), QRect(10, 350, 580, 80));
        QCOMPARE(description->font(), uiFont(14));
        fixture.document.OnTogglePhotoLayout();
        QCOMPARE(view.photoControl(0).geometry(), QRect(10, 60, 580, 280));
    }

    void aTextTooLongForItsBandEndsInAnEllipsisAndShowsWholeAsTooltip() {
        FittedText band;
        band.resize(300, 40);
        band.setDesignedFontHeight(18);
        const QString path = "工事/施工状況写真/道路土工/掘削工/土砂掘削/床掘り/埋戻し/締固め";
        band.setText(path + "\n掘削状況");
        QCOMPARE(band.shownLines().size(), 2);
        QVERIFY(band.shownLines()[0].endsWith("…"));
        QCOMPARE(band.shownLines()[1], QString("掘削状況")); // the title keeps its line
        QCOMPARE(band.toolTip(), path + "\n掘削状況");
        // Lines shrink the font down to a readable size; those that still do not fit are
        // left out, marked at the end of the last one shown.
        band.setText("a\nb\nc");
        QCOMPARE(band.shownLines(), QStringList({"a", "b", "c"}));
        QVERIFY(band.toolTip().isEmpty());
        band.setText("a\nb\nc\nd\ne");
        const QStringList shown = band.shownLines();
        QVERIFY(shown.size() >= 3 && shown.size() < 5);
        QCOMPARE(shown.back(), QString("abcde").at(shown.size() - 1) + QString("…"));
        QCOMPARE(band.toolTip(), QString("a\nb\nc\nd\ne"));
    }

    void deliveryTextsAreShownAsTheyStand() {
        const std::string markup = "&lt;b&gt;D13&lt;/b&gt;&amp;lt;";
        Fixture fixture(writeScratchFile("PHOTO.XML", testDeliveryXml({{markup}})).string(), false);
        QCOMPARE(fixture.view.headingText(), QString("T<b>D13</b>&lt;"));
        QCOMPARE(plainTextToolTip("<img src='/x'>"), QString("<p style='white-space:pre'>"
                                                             "&lt;img src='/x'&gt;</p>"));
        QCOMPARE(plainTextToolTip("F1.JPG"), QString("F1.JPG"));
    }

    void aPageShowsTheFourPhotosAroundTheCurrentOne() {
        Fixture fixture(writeDelivery(6), true);
        QVERIFY(fixture.goTo(2)); // a full page
        for (int position = 0; position < 4; ++position) {
            QCOMPARE(fixture.view.photoIndexAt(position), position);
            QCOMPARE(centreColour(fixture.view.photoControl(position)), colourOf(position));
        }
        QVERIFY(fixture.goTo(5));
        CPhotoView& view = fixture.view;
        QCOMPARE(view.photoIndexAt(0), 4);
        QCOMPARE(view.photoIndexAt(1), 5);
        QVERIFY(view.photoControl(1).isSelected());
        QVERIFY(!view.photoControl(0).isSelected());
        QVERIFY(view.photoIndexAt(2) == -1);
        QVERIFY(view.photoIndexAt(3) == -1);
        QCOMPARE(centreColour(view.photoControl(0)), colourOf(4));
        QCOMPARE(view.headingText(), QString("T6"));
        QCOMPARE(view.descriptionText(), QString("撮影箇所：L6"));
    }

    void clickingAPhotoMakesItCurrent() {
        Fixture fixture(writeDelivery(7), true);
        QVERIFY(fixture.goTo(4));
        CPhotoView& view = fixture.view;
        QTest::mouseClick(&view.photoControl(2), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(fixture.document.currentIndex(), 6);
        QCOMPARE(view.headingText(), QString("T7")); // the clicked view follows too
        QVERIFY(view.photoControl(2).isSelected());
        QVERIFY(!view.photoControl(0).isSelected());
        QTest::mouseClick(&view.photoControl(3), Qt::LeftButton, {}, QPoint(50, 50)); // empty
        QCOMPARE(fixture.document.currentIndex(), 6);
    }

    void aMissingPhotoShowsItsMediumAndCanBeChosen() {
        Fixture fixture(writeDelivery(4, {1}), true);
        CPhotoView& view = fixture.view;
        CPhotoStatic& missing = view.photoControl(1);
        QCOMPARE(missing.captionText(), QString("F1.JPG　：　メディア番号＝2"));
        QTest::mouseClick(&missing, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(fixture.document.currentIndex(), 1);

        QSignalSpy enlarge(&view, &CPhotoView::enlargeRequested);
        QTest::mouseDClick(&missing, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(enlarge.count(), 0); // nothing to enlarge
        QTest::mouseDClick(&view.photoControl(0), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(enlarge.count(), 1);

        writePhotoFile(1); // the medium was inserted
        const std::size_t decodes = fixture.decoder->decodedFiles.size();
        view.reload();
        fixture.settle();
        QVERIFY(view.photoControl(1).showsImage());
        QCOMPARE(centreColour(view.photoControl(1)), colourOf(1));
        // F5 reads every photo shown from the media again.
        QCOMPARE(fixture.decoder->decodedFiles.size(), decodes + 4);
    }

    void anUndecodableFileSaysSoAndCanBeChosen() {
        const std::string path = writeDelivery(2);
        writeScratchFile("PIC/" + testPhotoFileName(1), "not an image");
        Fixture fixture(path, true);
        CPhotoStatic& damaged = fixture.view.photoControl(1);
        QCOMPARE(damaged.captionText(), QString("F1.JPG　：　画像を表示できません"));
        QTest::mouseClick(&damaged, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(fixture.document.currentIndex(), 1);
        QSignalSpy enlarge(&fixture.view, &CPhotoView::enlargeRequested);
        QTest::mouseDClick(&damaged, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(enlarge.count(), 0);
    }

    void aStepInsideThePageDecodesNothing() {
        Fixture fixture(writeDelivery(4), true);
        const std::size_t decodes = fixture.decoder->decodedFiles.size();
        QCOMPARE(decodes, std::size_t(4)); // the open's two updates decoded the page once
        QVERIFY(fixture.goTo(1));
        QTest::mouseClick(&fixture.view.photoControl(3), Qt::LeftButton, {}, QPoint(50, 50));
        fixture.settle();
        QCOMPARE(fixture.decoder->decodedFiles.size(), decodes);
        QCOMPARE(centreColour(fixture.view.photoControl(3)), colourOf(3));
        QVERIFY(fixture.view.photoControl(3).isSelected());
    }

    void twoViewsShowingTheSamePhotosDecodeThemOnce() {
        ViewFixture<CPhotoView> fixture;
        CPhotoView second(fixture.document, fixture.images);
        fixture.view.resize(600, 440);
        second.resize(600, 440);
        fixture.document.OnTogglePhotoLayout();
        fixture.open(writeDelivery(4));
        QCOMPARE(fixture.decoder->decodedFiles.size(), std::size_t(4));
        QCOMPARE(centreColour(second.photoControl(2)), colourOf(2));
    }

    void theNextPageIsReadAheadWhenIdle() {
        Fixture fixture(writeDelivery(12), true);
        QVERIFY(fixture.goTo(4));
        QCoreApplication::processEvents(); // idle: the pages after and before are read ahead
        fixture.settle();
        const std::size_t decodes = fixture.decoder->decodedFiles.size();
        QVERIFY(fixture.document.goToPhoto(8, nullptr)); // no decode runs in between
        for (int position = 0; position < 4; ++position)
            QCOMPARE(centreColour(fixture.view.photoControl(position)), colourOf(8 + position));
        QVERIFY(fixture.document.goToPhoto(0, nullptr));
        QCOMPARE(centreColour(fixture.view.photoControl(3)), colourOf(3));
        QCOMPARE(fixture.decoder->decodedFiles.size(), decodes);
    }

    void aPageTheUserHasLeftIsNeverShown() {
        Fixture fixture(writeDelivery(12), true);
        QVERIFY(fixture.document.goToPhoto(4, nullptr));     // two decodes start, two wait
        QVERIFY(!fixture.view.photoControl(0).showsImage()); // not the previous page's photo
        QVERIFY(fixture.document.goToPhoto(8, nullptr));     // before any of them arrives
        fixture.settle();
        for (int position = 0; position < 4; ++position)
            QCOMPARE(centreColour(fixture.view.photoControl(position)), colourOf(8 + position));
        const std::vector<std::string>& decoded = fixture.decoder->decodedFiles;
        for (const char* waited : {"F6.JPG", "F7.JPG"}) // never started
            QVERIFY(std::none_of(decoded.begin(), decoded.end(),
                                 [&](const std::string& file) { return file.ends_with(waited); }));
    }

    void switchingToOnePhotoHidesTheOthers() {
        Fixture fixture(writeDelivery(3), true);
        CPhotoView& view = fixture.view;
        view.show();
        QVERIFY(view.photoControl(2).isVisible());
        fixture.document.OnTogglePhotoLayout();
        QVERIFY(!view.photoControl(1).isVisible());
        QVERIFY(!view.photoControl(2).isVisible());
        QCOMPARE(view.photoControl(0).geometry(), QRect(10, 60, 580, 280));
        QCOMPARE(view.photoIndexAt(0), 0);
    }

    void eachPlaceOfAPageNamesItsOwnFile() {
        Fixture fixture(writeDelivery(6), true);
        QVERIFY(fixture.goTo(5));
        const QString expected[] = {"F4.JPG", "F5.JPG", "", ""};
        for (int position = 0; position < 4; ++position)
            QCOMPARE(fixture.view.photoControl(position).toolTip(), expected[position]);
        fixture.document.OnNewDocument();
        fixture.document.sendInitialUpdate();
        QCOMPARE(fixture.view.photoControl(0).toolTip(), QString());
        QVERIFY(!fixture.view.canPrint());
    }

    void printingFitsTheShownPhotoIntoThePage() {
        Fixture fixture(writeDelivery(2), false);
        QVERIFY(fixture.view.canPrint());
        const QImage page = printedPage(fixture.view);
        QCOMPARE(page.pixelColor(200, 200), colourOf(0));
        QCOMPARE(page.pixelColor(200, 40), QColor(Qt::white)); // 4:3 fitted and centred

        const auto pdf = scratchFolder() / "photo.pdf";
        QPdfWriter writer(QString::fromStdString(pdf.string()));
        QPainter pdfPainter(&writer);
        fixture.view.printPage(pdfPainter, QRect(0, 0, writer.width(), writer.height()));
        pdfPainter.end();
        QVERIFY(std::filesystem::file_size(pdf) > 1000);
    }

    void theFourPhotoLayoutPrintsTheCurrentPhotoOnlyWhenItIsShown() {
        Fixture fixture(writeDelivery(4, {1}), true);
        QVERIFY(fixture.goTo(2));
        const QImage page = printedPage(fixture.view);
        QCOMPARE(page.pixelColor(200, 200), colourOf(2));
        QVERIFY(fixture.goTo(1)); // missing: a sheet would stay blank
        QVERIFY(!fixture.view.canPrint());
    }

    void aFileNameReachingOutOfTheDeliveryIsNeverOpened() {
        writeImageFile("outside.png", filledImage(64, 48, Qt::red), "png");
        std::string xml = testDeliveryXml({{"1"}});
        xml.replace(xml.find("F0.JPG"), 6, "../outside.png");
        Fixture fixture(writeScratchFile("PHOTO.XML", xml).string(), false);
        QCOMPARE(fixture.view.photoControl(0).captionText(),
                 QString("../outside.png　：　ファイル名が不正です"));
        QVERIFY(fixture.decoder->decodedFiles.empty());
    }

    void aMissingPhotoPrintsItsCaption() {
        Fixture fixture(writeDelivery(1, {0}), false);
        const QImage page = printedPage(fixture.view);
        QCOMPARE(page.pixelColor(2, 200), QColor(190, 190, 190));
    }
};

QTEST_MAIN(CPhotoViewTest)
#include "CPhotoViewTest.moc"

#include <filesystem>

#include <QRegularExpression>
#include <QTest>

#include <poppler-qt6.h>

#include "album/AlbumWriter.h"
#include "document/AlbumContent.h"
#include "document/AlbumLayout.h"
#include "document/CQuillonDoc.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"
#include "tools/sample/SampleDelivery.h"
#include "tools/sample/SampleImages.h"
#include "work/ThreadedWork.h"

namespace {

// Text as a PDF viewer finds it, compared without spaces (which it guesses from gaps) and
// after NFKC (a CJK font's 工 may come back as the radical ⼯).
QString comparable(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC).remove(QRegularExpression("\\s"));
}

QString readableText(const Poppler::Page& page) {
    return comparable(page.text(QRectF()));
}

} // namespace

class AlbumTest : public QObject {
    Q_OBJECT

private:
    // Seven sample photos: the third has no file, the fifth a title far too long for its band.
    // They are decoded ahead on threads, as in the viewer.
    struct SampleAlbum {
        FakeDocumentHost host;
        CQuillonDoc document{host};
        WorkOwner work{ThreadedWork::make()};
        AlbumSource source;

        SampleAlbum() {
            std::vector<SamplePhoto> photos = makeSamplePhotos(7, SampleKind::Clean);
            photos[4].title = std::string(400, 'W') + " 終わり";
            for (std::size_t i = 0; i < photos.size(); ++i) {
                if (i != 2)
                    writeSamplePhoto(scratchPath("PIC/" + photos[i].fileName),
                                     photos[i].serialNumber, "", QSize(640, 480));
            }
            const std::string xml =
                writeScratchFile("PHOTO.XML", samplePhotoXml(photos, "UTF-8")).string();
            document.OnOpenDocument(xml);
            PhotoList printed;
            albumPhotos(document, AlbumScope::Delivery, printed);
            source = albumSourceFor(document.delivery(), printed, 3, &*work);
        }

        std::string title(std::size_t index) const {
            return source.photos[index].slots[PhotoSlot::Title];
        }
    };

    static QString scratchPath(const std::string& name) {
        std::filesystem::create_directories((scratchFolder() / name).parent_path());
        return QString::fromStdString((scratchFolder() / name).string());
    }

    static AlbumProgress untilPhoto(int last) {
        return [last](int done, int) { return done < last; };
    }

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void linesAreSharedOutLongestFirstAndPagesCounted() {
        const struct {
            std::vector<int> wanted;
            int available;
            std::vector<int> allotted;
        } cases[] = {
            {{1, 2, 1}, 9, {1, 2, 1}},
            {{1, 6, 3, 1}, 7, {1, 3, 2, 1}},
            {{0, 4, 1}, 3, {1, 1, 1}},
            {{2, 2, 2}, 2, {1, 1, 0}},
        };
        for (const auto& example : cases)
            QCOMPARE(allotLines(example.wanted, example.available), example.allotted);
        QCOMPARE(albumPageCount(7, 3), 3);
        QCOMPARE(albumPageCount(6, 3), 2);
        QCOMPARE(albumPageCount(0, 2), 0);
    }

    void fewerPhotosToAPageAreLargerAndTheirParticularsStillFit() {
        const QSizeF a4(2480, 3508); // 300 dpi
        double lastArea = 0;
        for (const int perPage : {3, 2, 1}) {
            const AlbumPageLayout layout = albumPageLayout(a4.width(), a4.height(), 300, perPage);
            const PageBox photo = layout.bands.front().photo;
            const PageBox particulars = layout.bands.front().particulars;
            QVERIFY2(photo.width * photo.height > lastArea * 1.3,
                     qPrintable(QString::number(perPage)));
            lastArea = photo.width * photo.height;
            QCOMPARE(std::lround(photo.width * 3), std::lround(photo.height * 4)); // a photo's 4:3
            QVERIFY(particulars.height >= 11 * layout.textHeight); // every particular a line
            QVERIFY(layout.bands.back().particulars.bottom() <= layout.footer.top);
        }
    }

    void theSavedAlbumReadsBackPageByPageBandByBand() {
        SampleAlbum delivery;
        const QString path = scratchPath("album.pdf");
        const AlbumOutcome outcome =
            saveAlbumPdf(delivery.source, path, [](int, int) { return true; });
        QVERIFY(outcome.complete);
        QCOMPARE(outcome.pages, 3);
        QCOMPARE(outcome.shortened, 1); // the long title
        const auto pdf = Poppler::Document::load(path);
        QVERIFY(pdf);
        QCOMPARE(pdf->numPages(), 3);
        QCOMPARE(pdf->info("Creator"), QString("TESSEL"));
        QCOMPARE(pdf->info("Title"), QString::fromStdString(delivery.source.constructionName));
        for (int number = 0; number < 3; ++number) {
            const QString text = readableText(*pdf->page(number));
            QVERIFY(text.contains(
                comparable(QString::fromStdString(delivery.source.constructionName))));
            QVERIFY(text.contains(QString("%1/3").arg(number + 1)));
            // The bands' titles in order, each below the one before.
            qsizetype after = 0;
            for (std::size_t band = 0; band < 3 && number * 3 + band < 7; ++band) {
                const std::size_t index = std::size_t(number) * 3 + band;
                const QString whole = QString::fromStdString(delivery.title(index));
                const QString title = whole.size() > 100 ? QString("WWWW") : whole; // shortened
                const qsizetype at = text.indexOf(comparable(title), after);
                QVERIFY2(at >= after, qPrintable(title));
                after = at + 1;
            }
        }
        QString all;
        for (int number = 0; number < 3; ++number)
            all += readableText(*pdf->page(number));
        QVERIFY(all.contains("WWW...") && !all.contains("終わり")); // NFKC makes … three dots
        QVERIFY(all.contains(":メディア番号=1")); // the photo whose file is missing
    }

    void aCoverComesFirstAndThePhotoPagesKeepTheirNumbers() {
        SampleAlbum delivery;
        addAlbumCover(delivery.source, delivery.document.photoData(), "納品全体");
        const QString path = scratchPath("covered.pdf");
        QCOMPARE(saveAlbumPdf(delivery.source, path, [](int, int) { return true; }).pages, 4);
        const auto pdf = Poppler::Document::load(path);
        QVERIFY(pdf);
        QCOMPARE(pdf->numPages(), 4);
        const QString cover = readableText(*pdf->page(0));
        QVERIFY(cover.contains("工事写真帳"));
        QVERIFY(
            cover.contains(comparable(QString::fromStdString(delivery.source.constructionName))));
        QVERIFY(cover.contains("納品全体7枚"));
        QVERIFY(readableText(*pdf->page(1)).contains("1/3"));
        QVERIFY(readableText(*pdf->page(3)).contains("3/3"));
    }

    void aStoppedOrUnwritableAlbumLeavesNoFile() {
        SampleAlbum delivery;
        const QString path = scratchPath("stopped.pdf");
        const AlbumOutcome stopped = saveAlbumPdf(delivery.source, path, untilPhoto(4));
        QVERIFY(!stopped.complete);
        QCOMPARE(std::distance(std::filesystem::directory_iterator(scratchFolder()),
                               std::filesystem::directory_iterator()),
                 std::ptrdiff_t(2)); // PHOTO.XML and PIC, nothing half written
        QString error;
        const QString unwritable = scratchPath("none/album.pdf") + "/x.pdf";
        QVERIFY(!saveAlbumPdf(delivery.source, unwritable, untilPhoto(99), &error).complete);
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(AlbumTest)
#include "AlbumTest.moc"

#include <filesystem>
#include <future>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "tests/app/TestApp.h"
#include "tests/support/TestImages.h"
#include "views/CPhotoInfoDlg.h"
#include "views/CPhotoStatic.h"
#include "views/CPhotoView.h"

namespace fs = std::filesystem;

namespace {

std::string indexText(int medium) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><constdata><基礎情報><メディア番号>" +
           std::to_string(medium) +
           "</メディア番号></基礎情報><工事件名等><工事番号>0012</工事番号><工事名称>改良工事"
           "</工事名称></工事件名等></constdata>";
}

} // namespace

class MediaTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void photosOfTheSecondDiscShowWhenItIsMountedBesideTheFirst() {
        // Disc 1 holds F1; F0, the first photo shown, is on medium 2, which Linux mounts under
        // its own label, with its names in lower case.
        std::vector<TestPhoto> photos{{"1"}, {"2"}};
        photos[0].mediaNumber = "2";
        writeScratchFile("media/DISC1/INDEX_C.XML", indexText(1));
        const std::string photoXml =
            writeScratchFile("media/DISC1/PHOTO/PHOTO.XML", testDeliveryXml(photos)).string();
        writeImageFile("media/DISC1/PHOTO/PIC/F1.JPG", filledImage(64, 48, Qt::blue), "png");
        writeScratchFile("media/DISC2/index_c.xml", indexText(2));
        writeImageFile("media/DISC2/photo/pic/f0.jpg", filledImage(64, 48, Qt::red), "png");

        TestApp test;
        std::vector<std::string> mounted{(scratchFolder() / "media/DISC1").string(),
                                         (scratchFolder() / "media/DISC2").string()};
        test.app.mountPoints = [&mounted] { return mounted; };
        QVERIFY(test.app.InitInstance({"tessel", QString::fromStdString(photoXml)}));
        test.settle();
        CPhotoView& view = test.frame().photoView();
        QVERIFY(view.photoControl(0).showsImage()); // from the second disc, at once
        QVERIFY(CPhotoInfoDlg(currentPhotoInformation(test.app.document()))
                    .text()
                    .contains("photo/pic/f0.jpg")); // its information, from there too
        QVERIFY(test.commands().execute(CommandId::FourPhotos));
        test.settle();
        QVERIFY(view.photoControl(1).showsImage());

        // Disc 1 taken out: its photo says where it is, the second disc's still shows.
        fs::rename(scratchFolder() / "media/DISC1", scratchFolder() / "media/OUT");
        mounted.erase(mounted.begin());
        QVERIFY(test.commands().execute(CommandId::Reload));
        test.settle();
        QVERIFY(view.photoControl(0).showsImage());
        QCOMPARE(view.photoControl(1).captionText(), QString("F1.JPG　：　メディア番号＝1"));
    }

    void theWindowGoesOnWhileAFileIsRead() {
        // The read waits for the event loop to run a timer: were the loop blocked by the read,
        // it would wait in vain.
        TestApp test(true);
        QVERIFY(test.app.InitInstance({"tessel"}));
        std::promise<void> handled;
        std::future<void> handledLater = handled.get_future();
        QTimer::singleShot(0, [&handled] { handled.set_value(); });
        test.app.document().loadPhotoXml = [&, load = test.app.document().loadPhotoXml](
                                               const std::string& path, PhotoDataSet& data) {
            return handledLater.wait_for(std::chrono::minutes(1)) == std::future_status::ready
                       ? load(path, data)
                       : -1;
        };
        test.app.openDocumentFile(writeDelivery("PHOTO.XML", 2));
        QVERIFY(test.app.reading()); // the open returned at once
        while (test.app.reading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QVERIFY(test.app.lastOpenSucceeded);
        QCOMPARE(test.app.document().photoOrder().size(), 2u);
    }

    void aSecondOpenReplacesAReadStillRunningOnItsThread() {
        TestApp test(true);
        QVERIFY(test.app.InitInstance({"tessel"}));
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        test.app.document().loadPhotoXml = [released, load = test.app.document().loadPhotoXml](
                                               const std::string& path, PhotoDataSet& data) {
            if (path.ends_with("first.xml"))
                released.wait(); // a slow disc
            return load(path, data);
        };
        test.app.openDocumentFile(writeDelivery("first.xml", 2));
        const QString second = writeDelivery("second.xml", 3);
        test.app.openDocumentFile(second);
        while (test.app.reading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        release.set_value(); // the first result comes too late: nobody takes it
        QCOMPARE(QString::fromStdString(test.app.document().pathName()), second);
        QCOMPARE(test.app.document().photoOrder().size(), 3u);
    }

    void leavingNeverWaitsForAReadADiscNoLongerAnswers() {
        std::promise<void> answer;
        std::shared_future<void> answered = answer.get_future().share();
        std::promise<void> readStarted;
        std::promise<void> readEnded;
        {
            TestApp test(true);
            QVERIFY(test.app.InitInstance({"tessel"}));
            test.app.document().loadPhotoXml = [&, answered](const std::string&, PhotoDataSet&) {
                readStarted.set_value();
                answered.wait(); // the disc answers only after the program has gone
                readEnded.set_value();
                return -1;
            };
            test.app.openDocumentFile(writeDelivery("PHOTO.XML", 2));
            readStarted.get_future().wait();
        } // were leaving to wait for the read, the test would never get past here
        answer.set_value();
        readEnded.get_future().wait();
        QCoreApplication::processEvents(); // nothing of the read arrives
    }

    void theBusyPointerShowsWhileAFileIsRead() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        std::vector<Qt::CursorShape> during;
        test.app.document().loadPhotoXml = [&during](const std::string&, PhotoDataSet&) {
            during.push_back(QApplication::overrideCursor()
                                 ? QApplication::overrideCursor()->shape()
                                 : Qt::ArrowCursor);
            return -1; // and fails
        };
        QVERIFY(!test.open(writeDelivery("PHOTO.XML", 1)));
        QCOMPARE(during, std::vector<Qt::CursorShape>{Qt::WaitCursor});
        QCOMPARE(QApplication::overrideCursor(), nullptr); // restored, also after the failure
    }
};

QTEST_MAIN(MediaTest)
#include "MediaTest.moc"

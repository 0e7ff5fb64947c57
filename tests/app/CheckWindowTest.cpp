#include <deque>
#include <functional>

#include <QDockWidget>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "app/CheckControl.h"
#include "check/FindingFormats.h"
#include "jobs/CheckRun.h"
#include "tests/app/TestApp.h"
#include "tests/support/TestImages.h"
#include "tools/sample/SampleExif.h"
#include "views/CFindingsView.h"
#include "views/CPhotoInfoDlg.h"
#include "views/CXmlTreeView.h"
#include "views/NodeBadgeDelegate.h"

namespace {

// The window of a test application whose checks run when the test says.
struct CheckedWindow {
    TestApp test;

    CheckedWindow() {
        test.app.InitInstance({"tessel"});
        test.work->held = {WorkLane::Single};
    }
    // Opens path at once, as the application does.
    bool open(const QString& path) {
        test.work->held.clear();
        const bool opened = test.open(path);
        test.work->held = {WorkLane::Single};
        return opened;
    }
    CheckControl& control() { return test.frame().deliveryCheck(); }
    CFindingsView& pane() { return control().findings(); }
    void trigger(CommandId id) {
        test.commands().refresh(); // what the idle event loop does
        test.commands().action(id)->trigger();
    }
    void runChecks() { test.work->runAll(WorkLane::Single); }
    QString badgeOf(const char* key) {
        const auto found =
            test.frame().clientArea().tree().findItems(key, Qt::MatchExactly | Qt::MatchRecursive);
        return found.value(0)->data(0, NodeBadgeDelegate::badgeTextRole).toString();
    }
    // The row of the first finding of rule about the photo at filePosition.
    QTreeWidgetItem* rowOf(const char* rule, const QString& file) {
        for (int row = 0; row < pane().list().topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = pane().list().topLevelItem(row);
            if (item->text(1) == rule && item->text(3) == file)
                return item;
        }
        return nullptr;
    }
};

// Photos 1 and 1 (a duplicate) under A, 3 under B with a drawing; no file is on the disc, and
// a file the standard does not lay out is.
QString writeCheckedDelivery() {
    std::vector<TestPhoto> photos{{"1", "A", "x"}, {"1", "A", "y"}, {"3", "B", "z", 1}};
    writeScratchFile("delivery/PHOTO.BAK", "x");
    // In a folder of its own: what the test writes beside it is no file of the delivery.
    return QString::fromStdString(
        writeScratchFile("delivery/PHOTO.XML", testDeliveryXml(photos)).string());
}

} // namespace

class CheckWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void aCheckCanBeCancelledAndRunAgain() {
        CheckedWindow window;
        QVERIFY(!window.test.enabled(CommandId::CheckDelivery)); // nothing open
        QVERIFY(window.open(writeCheckedDelivery()));
        window.trigger(CommandId::CheckDelivery);
        QVERIFY(window.control().running());
        QCOMPARE(window.control().statusText(), QString("チェック中…"));
        QVERIFY(window.test.enabled(CommandId::EndDisplay));
        window.trigger(CommandId::EndDisplay); // Esc
        QVERIFY(!window.control().running());
        window.runChecks();
        QVERIFY(window.control().dock().isHidden()); // the cancelled check says nothing
        QVERIFY(window.control().statusText().isEmpty());

        window.trigger(CommandId::CheckDelivery);
        window.runChecks();
        const auto& findings = window.control().run().findings();
        QCOMPARE(window.control().statusText(), QString::fromStdString(summaryLine(findings)));
        QVERIFY(!window.control().dock().isHidden());
        QCOMPARE(window.pane().list().topLevelItemCount(), int(findings.size()));
        QVERIFY(window.control().dock().windowTitle().startsWith("チェック結果 — エラー "));
        // Photos with errors, not findings, are counted: each photo here has several.
        QCOMPARE(window.badgeOf("A"), QString("(2)"));
        QCOMPARE(window.badgeOf("x"), QString("(1)"));
        QCOMPARE(window.badgeOf("B"), QString("(1)"));
        // 写真の情報 points out the values the check reported: a duplicate serial, a bad name,
        // an unknown 写真-大分類.
        const CPhotoInfoDlg information(
            currentPhotoInformation(window.test.app.document(), window.control().run().findings()));
        QCOMPARE(information.markedRows(),
                 QStringList({"シリアル番号：1", "写真ファイル名：F0.JPG", "写真-大分類：A"}));
        window.pane().showFindings({}); // a clean delivery says so, not an empty table
        QVERIFY(window.pane().list().isHidden());
    }

    void aCheckRunsOnItsWorkers() {
        TestApp test(true);
        QVERIFY(test.app.InitInstance({"tessel"}) && test.open(writeCheckedDelivery()));
        CheckRun& run = test.frame().deliveryCheck().run();
        QSignalSpy finished(&run, &CheckRun::finished);
        test.commands().refresh();
        test.commands().action(CommandId::CheckDelivery)->trigger();
        QVERIFY(finished.wait(60000));
        QVERIFY(run.hasFindings() && !run.findings().empty());
    }

    void aRowLeadsToItsPhotoAndDrawing() {
        CheckedWindow window;
        QVERIFY(window.open(writeCheckedDelivery()));
        window.trigger(CommandId::CheckDelivery);
        window.runChecks();
        CQuillonDoc& document = window.test.app.document();
        QTreeWidget& list = window.pane().list();
        QCOMPARE(list.topLevelItem(0)->text(3).toStdString(), // in file order at first
                 window.control().run().findings().front().fileName);
        list.sortByColumn(2, Qt::DescendingOrder); // by serial number: 3 comes first
        QCOMPARE(list.topLevelItem(0)->text(2), QString("3"));

        list.setCurrentItem(window.rowOf("file-missing", "F1.JPG"));
        QCOMPARE(document.currentPhoto(), &document.photoData().photos[1]);
        QTest::keyClick(&list, Qt::Key_Up); // the row before, the photo of its finding
        QCOMPARE(list.currentItem()->text(3).toStdString(),
                 document.currentPhoto()->slots[PhotoSlot::FileName]);

        list.setCurrentItem(window.rowOf("drawing-missing", "D0"));
        QCOMPARE(document.currentPhoto(), &document.photoData().photos[2]);
        QCOMPARE(document.currentDrawingIndex(), 0);
        QCOMPARE(document.imageTarget(), ImageTarget::Drawing);

        // A file of the delivery that no photo owns leads nowhere; its row says what the rule
        // finds and where the rule comes from.
        QTreeWidgetItem* stray = window.rowOf("stray-file", "PHOTO.BAK");
        QVERIFY(stray);
        list.setCurrentItem(stray);
        QCOMPARE(document.currentPhoto(), &document.photoData().photos[2]);
        QVERIFY(stray->toolTip(4).contains("基準にないファイル"));
        QVERIFY(stray->toolTip(4).contains("出典: デジタル写真管理情報基準"));
    }

    void serialNumbersSortAsTheBrowsingOrderSortsThem() {
        CheckedWindow window;
        const std::string xml = testDeliveryXml({{"12a"}, {"5"}}); // 12a is 12 when browsing
        QVERIFY(window.open(QString::fromStdString(writeScratchFile("PHOTO.XML", xml).string())));
        window.trigger(CommandId::CheckDelivery);
        window.runChecks();
        QTreeWidget& list = window.pane().list();
        list.sortByColumn(2, Qt::AscendingOrder);
        QStringList serials; // the delivery's own findings have none
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            if (!list.topLevelItem(row)->text(2).isEmpty())
                serials << list.topLevelItem(row)->text(2);
        }
        QCOMPARE(serials.front(), QString("5"));
        QCOMPARE(serials.back(), QString("12a"));
    }

    void aRowChoosesThePhotosNodeInBrowseModeOne() {
        writeScratchFile("TESSEL.ini", "[Option]\r\nBrowseMode=1\r\n");
        CheckedWindow window;
        QVERIFY(window.open(writeCheckedDelivery()));
        window.trigger(CommandId::CheckDelivery);
        window.runChecks();
        CQuillonDoc& document = window.test.app.document();
        window.pane().list().setCurrentItem(window.rowOf("file-missing", "F1.JPG"));
        QCOMPARE(document.selectedNode(), document.rootNode().findChild("A")->findChild("y"));
        QCOMPARE(document.photoOrder().size(), std::size_t(1));
        QCOMPARE(window.test.frame().clientArea().tree().currentItem()->text(0), QString("y"));
    }

    void aNewOpenDropsTheCheckAndItsFindings() {
        CheckedWindow window;
        const QString delivery = writeCheckedDelivery();
        QVERIFY(window.open(delivery));
        window.trigger(CommandId::CheckDelivery);
        window.runChecks();
        window.trigger(CommandId::CheckDelivery);
        QVERIFY(window.open(delivery));
        QVERIFY(!window.control().running());
        window.runChecks();
        QCOMPARE(window.pane().list().topLevelItemCount(), 0);
        QCOMPARE(window.control().dock().windowTitle(), QString("チェック結果"));
        QVERIFY(window.control().statusText().isEmpty());
        QVERIFY(window.badgeOf("A").isEmpty());
    }

    void theSavedCsvIsWhatTheCommandWrites() {
        CheckedWindow window;
        const QString delivery = writeCheckedDelivery();
        QVERIFY(window.open(delivery));
        window.trigger(CommandId::CheckDelivery);
        window.runChecks();
        const QString saved = QString::fromStdString((scratchFolder() / "pane.csv").string());
        QVERIFY(window.pane().saveCsv(saved));
        const QString written = QString::fromStdString((scratchFolder() / "tool.csv").string());
        QCOMPARE(QProcess::execute(TESSEL_CHECK, {"--csv", written, delivery}), 1);
        QFile pane(saved), tool(written);
        QVERIFY(pane.open(QIODevice::ReadOnly) && tool.open(QIODevice::ReadOnly));
        QCOMPARE(pane.readAll(), tool.readAll());
    }

    void thePhotoInformationSaysWhatTheFileSays() {
        std::vector<TestPhoto> photos{{"1"}, {"2"}, {"3"}, {"4"}, {"5"}};
        for (TestPhoto& photo : photos)
            photo.shotDate = "2024-05-10";
        const QString delivery =
            QString::fromStdString(writeScratchFile("PHOTO.XML", testDeliveryXml(photos)).string());
        const QImage image = filledImage(64, 48, Qt::green);
        const auto sameDay = writeImageFile("PIC/F0.JPG", image, "jpeg").string();
        QVERIFY(writeCameraMetadata(sameDay, "2024-05-10", sampleBlackboard(1)));
        const auto otherDay = writeImageFile("PIC/F1.JPG", image, "jpeg").string();
        QVERIFY(writeCameraMetadata(otherDay, "2024-06-01", sampleBlackboard(2)));
        writeImageFile("PIC/F2.JPG", image, "jpeg"); // no EXIF
        writeScratchFile("PIC/F4.JPG", "\xFF\xD8\xFF garbage");
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}) && test.open(delivery));
        CQuillonDoc& document = test.app.document();
        const struct {
            int photo;
            QStringList said;
            int mismatches;
        } cases[] = {
            {0,
             {"電子小黒板", "工事名：サンプル道路改良工事", "機種：Sample Camera",
              "画素数：64 × 48", "/PIC/F0.JPG"},
             0},
            {1, {"撮影日時が写真XMLの撮影年月日と異なります。"}, 2},
            {2, {"EXIF の情報はありません。"}, 0},
            {3, {"この媒体にありません。"}, 0},
            {4, {"画像を表示できません"}, 0},
        };
        for (const auto& expected : cases) {
            QVERIFY(document.goToPhoto(expected.photo, nullptr));
            test.commands().refresh();
            QVERIFY(test.enabled(CommandId::PhotoInfo));
            const CPhotoInfoDlg dialog(currentPhotoInformation(document));
            for (const QString& text : expected.said)
                QVERIFY2(dialog.text().contains(text), qPrintable(dialog.text()));
            QVERIFY(!dialog.text().contains("/./"));
            QCOMPARE(dialog.markedRows().size(), expected.mismatches);
            QCOMPARE(dialog.text().contains("電子小黒板"), expected.photo < 2);
        }
    }
};

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"

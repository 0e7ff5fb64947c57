#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include "app/ActivePaneFrame.h"
#include "tests/app/TestApp.h"
#include "tests/support/TestImages.h"
#include "views/CAlbumDlg.h"
#include "views/CConstInfoView.h"
#include "views/CFindBar.h"
#include "views/CImageView.h"
#include "views/CPhotoInfoDlg.h"
#include "views/CPhotoView.h"
#include "views/CSankouzuView.h"
#include "views/CXmlTreeView.h"

namespace {

// Three photos with their files, the first with one drawing, and construction information.
QString writeDeliveryWithImages() {
    for (int photo = 0; photo < 3; ++photo)
        writeImageFile("PIC/" + testPhotoFileName(photo), filledImage(64, 48, Qt::blue), "png");
    writeImageFile("DRA/D0", filledImage(64, 48, Qt::red), "png");
    std::string xml = testDeliveryXml({{"1", "A", "", 1}, {"2", "A"}, {"3", "A"}});
    xml.insert(xml.find("<写真情報>"), "<工事情報><工事名称>改良工事</工事名称></工事情報>");
    return QString::fromStdString(writeScratchFile("PHOTO.XML", xml).string());
}

// The application on that delivery, its window shown and its first page decoded.
struct ShownApp : TestApp {
    ShownApp() {
        app.InitInstance({"tessel", writeDeliveryWithImages()});
        frame().activateWindow();
        settle();
    }
    FrameLayout& layout() { return frame().clientArea(); }
    QWidget* shown() { return layout().currentWidget(); }
    bool run(CommandId id) { return commands().execute(id); }
};

} // namespace

class FrameLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void onAnEightHundredBySixHundredScreenNothingIsCutOff() {
        // The test runs on an 800 × 600 screen (SmallScreen.json).
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 3)}));
        CMainFrame& frame = test.frame();
        QCOMPARE(frame.screen()->availableGeometry().size(), QSize(800, 600));
        frame.resize(800, 600);
        test.commands().refresh();
        QVERIFY(test.commands().execute(CommandId::Find));
        frame.showReadStopNotice(QString(60, QChar(0x5DE5))); // a long notice
        QCoreApplication::processEvents();
        // The find bar wraps: its text field keeps twelve characters, the tree its width.
        CFindBar& bar = frame.clientArea().findBar();
        QVERIFY(!bar.showsOneRow());
        QVERIFY(bar.textField().width() >=
                bar.textField().fontMetrics().horizontalAdvance(QString(12, QChar(0x3042))));
        QVERIFY(frame.clientArea().tree().width() >= 120);
        // The status bar's texts stand side by side within the bar, which fits the screen.
        QCOMPARE(frame.width(), 800);
        QRect taken;
        for (const QLabel* label : frame.statusBar()->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            QVERIFY2(!taken.intersects(label->geometry()), qPrintable(label->text()));
            QVERIFY(frame.statusBar()->rect().contains(label->geometry()));
            taken |= label->geometry();
        }
        // Each dialog fits the screen.
        CPhotoInfoDlg information(currentPhotoInformation(test.app.document()), &frame);
        ImageLoader previews{std::make_unique<ManualExecutor>()};
        CAlbumDlg album(test.app.document(), previews, "保存...", &frame);
        for (QDialog* dialog :
             {static_cast<QDialog*>(&information), static_cast<QDialog*>(&album)}) {
            dialog->show();
            QVERIFY(dialog->height() <= 600 - 32 && dialog->width() <= 800);
        }
    }

    void commandsAndClicksMoveBetweenTheDisplays() {
        ShownApp test;
        FrameLayout& layout = test.layout();
        QVERIFY(!layout.showsFullWindow());
        QCOMPARE(test.frame().activeView(), &layout.photoView());

        test.frame().setActiveView(layout.tree()); // returning reactivates the photos anyway
        QVERIFY(test.run(CommandId::EnlargePhoto));
        QCOMPARE(test.shown(), &layout.imageView());
        QCOMPARE(test.frame().activeView(), &layout.imageView());
        QVERIFY(test.run(CommandId::EndDisplay));
        QVERIFY(!layout.showsFullWindow());
        QCOMPARE(test.frame().activeView(), &layout.photoView());

        QVERIFY(test.run(CommandId::ShowConstInfo));
        QCOMPARE(test.shown(), &layout.constInfoView());
        QCOMPARE(layout.constInfoView().titleText().text(), QString("改良工事"));
        QTest::mouseClick(&layout.constInfoView(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!layout.showsFullWindow());

        test.settle();
        QTest::mouseDClick(&layout.photoView().photoControl(0), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(test.shown(), &layout.imageView());
        QTest::mouseClick(&layout.imageView(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(test.frame().activeView(), &layout.photoView());
    }

    void theCommandsFollowTheDisplay() {
        // What is enabled in each display, with the first photo current.
        struct Case {
            const char* display;
            bool previous, next, slideShow, end, enlarge, constInfo, open, tree, print;
        };
        const Case cases[] = {
            {"split", false, true, true, false, true, true, true, true, true},
            {"photo enlarged", false, true, true, true, false, false, false, false, true},
            {"drawing enlarged", false, false, true, true, false, false, false, false, true},
            {"construction information", false, false, false, true, false, false, false, false,
             false},
        };
        for (const Case& expected : cases) {
            ShownApp test;
            const std::string display = expected.display;
            if (display == "drawing enlarged")
                QVERIFY(test.app.document().selectDrawing(0, nullptr));
            if (display.ends_with("enlarged"))
                QVERIFY(test.run(CommandId::EnlargePhoto));
            if (display == "construction information")
                QVERIFY(test.run(CommandId::ShowConstInfo));
            QCOMPARE(test.enabled(CommandId::PreviousPhoto), expected.previous);
            QCOMPARE(test.enabled(CommandId::NextPhoto), expected.next);
            QCOMPARE(test.enabled(CommandId::StartSlideShow), expected.slideShow);
            QCOMPARE(test.enabled(CommandId::EndDisplay), expected.end);
            QCOMPARE(test.enabled(CommandId::EnlargePhoto), expected.enlarge);
            QCOMPARE(test.enabled(CommandId::ShowConstInfo), expected.constInfo);
            QCOMPARE(test.enabled(CommandId::FileOpen), expected.open);
            QCOMPARE(test.enabled(CommandId::ToggleTree), expected.tree);
            QCOMPARE(test.enabled(CommandId::FilePrint), expected.print);
        }
    }

    void aSlideShowOverAnEnlargedDrawingStepsPhotos() {
        ShownApp test;
        QVERIFY(test.app.document().selectDrawing(0, nullptr));
        QVERIFY(test.run(CommandId::EnlargePhoto));
        QVERIFY(test.run(CommandId::StartSlideShow));
        test.frame().slideShow().tick();
        QCOMPARE(test.app.document().currentIndex(), 1);
        QCOMPARE(test.app.document().imageTarget(),
                 ImageTarget::Photo); // the photo, no longer the drawing

        // Esc returns first and leaves the slideshow running; a second Esc stops it.
        QVERIFY(test.run(CommandId::EndDisplay));
        QVERIFY(!test.layout().showsFullWindow());
        QVERIFY(test.frame().slideShow().running());
        QVERIFY(test.run(CommandId::EndDisplay));
        QVERIFY(!test.frame().slideShow().running());
    }

    void theLeftColumnKeepsItsWidthAndTheTreeRowComesBackHalf() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        const int createdWidth = test.frame().width();
        QVERIFY(QTest::qWaitForWindowExposed(&test.frame()));
        FrameLayout& layout = test.frame().clientArea();
        QCOMPARE(layout.leftColumnWidth(), createdWidth / 4);
        test.frame().resize(test.frame().width() + 200, test.frame().height());
        QCoreApplication::processEvents();
        QCOMPARE(layout.leftColumnWidth(), createdWidth / 4);

        auto* column = qobject_cast<QSplitter*>(layout.tree().parentWidget());
        QVERIFY(test.commands().state(CommandId::ToggleTree).checked);
        QVERIFY(test.commands().execute(CommandId::ToggleTree));
        QCOMPARE(column->sizes()[0], 0);
        QVERIFY(!test.commands().state(CommandId::ToggleTree).checked);
        column->setSizes({10, column->height() - 10}); // dragged by hand
        QVERIFY(test.commands().execute(CommandId::ToggleTree));
        QVERIFY(std::abs(column->sizes()[0] - column->sizes()[1]) <= 1);
    }

    void theWindowComesBackAsItWasLeft() {
        QRect placed;
        QList<int> columns;
        {
            TestApp first;
            QVERIFY(first.app.InitInstance({"tessel"}));
            first.frame().setGeometry(40, 50, 900, 700);
            first.frame().mainToolBar().hide();
            QVERIFY(first.commands().execute(CommandId::ToggleTree));
            auto* outer = qobject_cast<QSplitter*>(first.frame().clientArea().currentWidget());
            outer->setSizes({300, 600});
            placed = first.frame().geometry();
            columns = outer->sizes();
        } // the application ends, keeping the window in its profile
        TestApp second;
        QVERIFY(second.app.InitInstance({"tessel"}));
        QCOMPARE(second.frame().geometry().size(), placed.size());
        QVERIFY(second.frame().mainToolBar().isHidden());
        QVERIFY(!second.frame().clientArea().treeShown());
        QCOMPARE(second.frame().clientArea().leftColumnWidth(), columns[0]);
    }

    void arrowKeysPrintAndReloadActFromEveryPane() {
        ShownApp test;
        QVERIFY(QTest::qWaitForWindowActive(&test.frame()));
        FrameLayout& layout = test.layout();
        QCOMPARE(test.frame().activeView(), &layout.photoView()); // not the first pane
        test.commands().refresh();
        QVERIFY(test.enabled(CommandId::FilePrint));
        struct Pane {
            QWidget* focus;
            QWidget* view;
        };
        const Pane panes[] = {{&layout.tree(), &layout.tree()},
                              {layout.drawings().viewport(), &layout.drawings()},
                              {&layout.photoView(), &layout.photoView()}};
        test.commands().refresh(); // what the idle event loop does
        QWindow* window = test.frame().windowHandle();
        for (const Pane& pane : panes) {
            pane.focus->setFocus();
            QCOMPARE(test.frame().activeView(), pane.view); // the route starts there now
            QVERIFY(test.enabled(CommandId::FilePrint));    // and Print and F5 act from there
            QVERIFY(test.enabled(CommandId::Reload));
            const auto* frame =
                pane.view->findChild<ActivePaneFrame*>({}, Qt::FindDirectChildrenOnly);
            QVERIFY(frame && frame->isVisible()); // a frame shows which pane that is
            QCOMPARE(frame->geometry(), pane.view->rect());
            QTest::keyClick(window, Qt::Key_Right);
            QCOMPARE(test.app.document().currentIndex(), 1);
            QTest::keyClick(window, Qt::Key_Left);
            QCOMPARE(test.app.document().currentIndex(), 0);
        }
    }
};

QTEST_MAIN(FrameLayoutTest)
#include "FrameLayoutTest.moc"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include "app/AlbumControl.h"
#include "app/FrameLayout.h"
#include "app/OpenDialog.h"
#include "app/SlideShow.h"
#include "media/MountPoints.h"
#include "tests/app/TestApp.h"
#include "tests/support/TestImages.h"
#include "views/CThumbnailView.h"

namespace {

// Runs the event loop until it has nothing left to do and would wait for input.
void letTheEventLoopGoIdle() {
    QTimer wakeUp; // a due timer ends the wait at once
    wakeUp.start(0);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QStringList actionTexts(QWidget* menuOrBar) {
    QStringList texts;
    for (QAction* action : menuOrBar->actions()) {
        if (action->isVisible())
            texts.append(action->isSeparator() ? "—" : action->text());
    }
    return texts;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { useScratchFolder(QTest::currentTestFunction()); }

    void theMenusStandAsTheyAlwaysHave() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        const QList<QAction*> menus = test.frame().menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus[0]->text(), QString("ファイル(&F)"));
        QCOMPARE(actionTexts(menus[0]->menu()),
                 QStringList({"開く...\tCtrl+O(&O)", "—", "印刷...\tCtrl+P(&P)", "写真帳の印刷...",
                              "写真帳をPDFに保存...", "—", "最近使ったファイル", "—",
                              "アプリケーションの終了(&X)"}));
        QCOMPARE(
            actionTexts(menus[1]->menu()),
            QStringList({"終了(&E)\tEsc", "—", "工事情報(&K)\tF8", "—", "前へ(&P)\t←",
                         "次へ(&N)\t→", "—", "写真の拡大表示(&D)\tF1", "写真の情報(&I)\tAlt+Enter",
                         "再読み込み(&R)\tF5", "—", "写真の自動送り(&S)", "—", "検索(&F)\tCtrl+F",
                         "納品チェック(&C)\tF7"}));
        QCOMPARE(actionTexts(menus[2]->menu()),
                 QStringList({"写真4枚表示(&F)", "一覧表示(&L)\tF2", "一覧ツリー(&V)",
                              "チェック結果(&R)", "—", "ツール バー(&T)", "ステータス バー(&S)",
                              "—", "オプション(&O)"}));
        QCOMPARE(actionTexts(menus[3]->menu()), QStringList({"バージョン情報 TESSEL(&A)..."}));
        QCOMPARE(test.frame().photoToolBar().actions().size(), 8);
        QCOMPARE(test.frame().windowTitle(), QString("TESSEL"));
        QVERIFY(!test.frame().recentFilePlaceholder()->isEnabled());
        const QAction* next = test.commands().action(CommandId::NextPhoto);
        QCOMPARE(next->statusTip(), QString("次の写真を表示する"));
        QCOMPARE(next->toolTip(), QString("次へ"));
        QVERIFY(!next->icon().pixmap(32, 15).isNull()); // the toolbar images are built in
        const QAction* exit = test.commands().action(CommandId::AppExit);
        QCOMPARE(exit->statusTip(), QString("アプリケーションを終了し、ファイルの保存を指示"));
        QCOMPARE(exit->toolTip(), QString("終了"));
    }

    void navigationFollowsThePosition() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        QVERIFY(!test.enabled(CommandId::NextPhoto)); // no file
        QVERIFY(!test.enabled(CommandId::PreviousPhoto));
        QVERIFY(!test.enabled(CommandId::StartSlideShow));
        QVERIFY(!test.enabled(CommandId::FilePrint));
        QVERIFY(!test.enabled(CommandId::EndDisplay));
        QVERIFY(test.enabled(CommandId::FileOpen));

        QVERIFY(test.open(writeDelivery("PHOTO.XML", 3)));
        QVERIFY(test.enabled(CommandId::NextPhoto)); // first
        QVERIFY(!test.enabled(CommandId::PreviousPhoto));
        QVERIFY(!test.enabled(CommandId::FilePrint)); // until the photo, or its caption, shows
        test.settle();
        QVERIFY(test.enabled(CommandId::FilePrint));
        QVERIFY(test.commands().execute(CommandId::NextPhoto)); // middle
        QVERIFY(test.enabled(CommandId::NextPhoto));
        QVERIFY(test.enabled(CommandId::PreviousPhoto));
        QVERIFY(test.commands().execute(CommandId::NextPhoto)); // last
        QVERIFY(!test.enabled(CommandId::NextPhoto));
        QVERIFY(!test.commands().execute(CommandId::NextPhoto)); // a disabled command does nothing
        QCOMPARE(test.app.document().currentIndex(), 2);
    }

    void arrowKeysStepWhateverHasTheFocus() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 3)}));
        test.frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&test.frame()));
        test.frame().photoView().photoControl(0).setFocus();
        // Keys come through the window, as the platform delivers them.
        QWindow* window = test.frame().windowHandle();
        test.commands().refresh(); // what the idle event loop does
        QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(test.app.document().currentIndex(), 1);
        QTest::keyClick(window, Qt::Key_Right);
        QTest::keyClick(window, Qt::Key_Right); // at the last photo: nothing
        QCOMPARE(test.app.document().currentIndex(), 2);
        QTest::keyClick(window, Qt::Key_Left);
        QCOMPARE(test.app.document().currentIndex(), 1);
    }

    void theSlideShowStepsAndStopsAtTheLastPhoto() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 3)}));
        CMainFrame& frame = test.frame();
        QVERIFY(test.commands().execute(CommandId::StartSlideShow));
        QVERIFY(frame.slideShow().running());
        QCOMPARE(frame.slideShow().interval(), 10000);
        QVERIFY(!test.enabled(CommandId::StartSlideShow));
        QVERIFY(test.enabled(CommandId::EndDisplay));
        frame.slideShow().tick();
        frame.slideShow().tick();
        QCOMPARE(test.app.document().currentIndex(), 2);
        QVERIFY(frame.slideShow().running()); // the last photo is shown for a whole interval
        frame.slideShow().tick();
        QVERIFY(!frame.slideShow().running());
        QCOMPARE(test.app.document().currentIndex(), 2);
    }

    void theTitleThePositionAndThePageKeysSayAndMoveWhereOneIs() {
        TestApp test;
        std::string xml = testDeliveryXml(
            {{"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}, {"7"}, {"8"}, {"9"}, {"10"}});
        xml.insert(xml.find("<photodata>") + 11,
                   "<工事情報><工事名称>道路改良工事</工事名称></工事情報>");
        const QString path = QString::fromStdString(writeScratchFile("PHOTO.XML", xml).string());
        QVERIFY(test.app.InitInstance({"tessel", path}));
        QCOMPARE(test.frame().windowTitle(), QString("道路改良工事 — TESSEL"));
        test.app.document().OnTogglePhotoLayout(); // a page of four
        const struct {
            CommandId key;
            int index;
        } steps[] = {{CommandId::NextPage, 4},   {CommandId::NextPage, 8},
                     {CommandId::NextPage, 9},   {CommandId::PreviousPage, 5},
                     {CommandId::FirstPhoto, 0}, {CommandId::LastPhoto, 9}};
        for (const auto& step : steps) {
            QVERIFY(test.commands().execute(step.key));
            QCOMPARE(test.app.document().currentIndex(), step.index);
        }
        QVERIFY(!test.enabled(CommandId::NextPage)); // at the last photo
        QVERIFY(test.commands().execute(CommandId::FullScreen));
        QVERIFY(test.frame().windowState() & Qt::WindowFullScreen);
        QVERIFY(test.commands().execute(CommandId::FullScreen));
        QVERIFY(!(test.frame().windowState() & Qt::WindowFullScreen));
        QCOMPARE(test.frame().positionText(), QString("写真 10 / 10"));
        QVERIFY(test.commands().execute(CommandId::FirstPhoto));
        test.frame().slideShow().start();
        QCOMPARE(test.frame().positionText(), QString("写真 1 / 10　自動送り中"));
        QVERIFY(test.commands().execute(CommandId::FileNew));
        QCOMPARE(test.frame().positionText(), QString());
        QCOMPARE(test.frame().windowTitle(), QString("TESSEL"));
    }

    void escapeStopsTheSlideShow() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 3)}));
        QVERIFY(!test.commands().execute(CommandId::EndDisplay)); // nothing to end
        test.frame().slideShow().start();
        QVERIFY(test.commands().execute(CommandId::EndDisplay));
        QVERIFY(!test.frame().slideShow().running());
        QCOMPARE(test.app.document().currentIndex(), 0);
    }

    void handEditedIntervalsAreKeptInBounds() {
        QCOMPARE(slideShowIntervalMilliseconds(10), 10000);
        QCOMPARE(slideShowIntervalMilliseconds(250), 250000);
        QCOMPARE(slideShowIntervalMilliseconds(0), 1000);
        QCOMPARE(slideShowIntervalMilliseconds(-5), 1000);
        QVERIFY(slideShowIntervalMilliseconds(INT_MAX) > 0);
        QCOMPARE(slideShowIntervalMilliseconds(INT_MAX), INT_MAX / 1000 * 1000);
    }

    void theIntervalIsReadWhenTheShowStarts() {
        TestApp test;
        writeScratchFile("TESSEL.ini", "[Option]\nPhotoSlideInterval=3\n");
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 2)}));
        test.app.settings.photoSlideInterval = 7;
        test.frame().slideShow().start();
        QCOMPARE(test.frame().slideShow().interval(), 7000);
    }

    void aFileOnTheCommandLineThatCannotBeOpenedEndsTheProgram() {
        TestApp missing;
        QVERIFY(!missing.app.InitInstance({"tessel", "no-such-file.xml"}));
        QCOMPARE(missing.messages.size(), 1);
        QVERIFY(missing.messages[0].contains("no-such-file.xml"));
        QVERIFY(!missing.frame().isVisible());

        TestApp folder;
        QVERIFY(
            !folder.app.InitInstance({"tessel", QString::fromStdString(scratchFolder().string())}));
        QCOMPARE(folder.messages.size(), 1);
    }

    void openingRecordsTheFileAndUpdatesEveryView() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        QVERIFY(test.frame().isVisible());
        test.fileToChoose = writeDelivery("PHOTO.XML", 2);
        QVERIFY(test.commands().execute(CommandId::FileOpen));
        QCOMPARE(QString::fromStdString(test.app.document().pathName()), test.fileToChoose);
        QCOMPARE(test.frame().windowTitle(), QString("TESSEL"));
        QCOMPARE(test.frame().photoView().headingText(), QString("T1"));
        QCOMPARE(test.app.recentFiles().files(), QStringList{test.fileToChoose});
        QVERIFY(test.frame().recentFileAction(0)->isVisible());
        QVERIFY(!test.frame().recentFilePlaceholder()->isVisible());

        test.fileToChoose.clear(); // the dialog was cancelled
        QVERIFY(test.commands().execute(CommandId::FileOpen));
        QCOMPARE(test.app.document().photoOrder().size(), 2u);

        QVERIFY(test.commands().execute(CommandId::FileNew));
        QCOMPARE(test.app.document().pathName(), std::string());
        QCOMPARE(test.frame().photoView().headingText(), QString());
    }

    void aDamagedFileSaysWhereReadingStoppedUntilTheNextOpen() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        const std::string whole = testDeliveryXml({{"1"}, {"2"}, {"3"}});
        // Cut off inside the second photo: one photo is complete.
        const std::size_t cut = whole.find("<写真情報>", whole.find("</写真情報>")) + 30;
        const auto damaged = writeScratchFile("PHOTO.XML", whole.substr(0, cut) + "\n\n");
        QVERIFY(test.open(QString::fromStdString(damaged.string())));
        QCOMPARE(test.frame().readStopNotice(),
                 QString("PHOTO.XML の 3 行目で読み込みを中断しました（1 枚を表示）"));

        QVERIFY(test.open(writeDelivery("whole.xml", 2)));
        QCOMPARE(test.frame().readStopNotice(), QString());
    }

    void aFailedLoadOrANewDocumentLeavesNothingOfTheDeliveryOnScreen() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 3)}));
        QVERIFY(test.commands().execute(CommandId::StartSlideShow));
        test.frame().enlargePhoto();
        test.app.document().loadPhotoXml = [](const std::string&, PhotoDataSet&) { return -1; };
        QVERIFY(!test.open(writeDelivery("next.xml", 2)));
        QCOMPARE(test.messages, QStringList{"next.xmlのロードに失敗しました。"});
        QVERIFY(!test.frame().slideShow().running());
        QVERIFY(!test.frame().clientArea().showsFullWindow());
        QVERIFY(!test.enabled(CommandId::NextPhoto));
        QVERIFY(!test.enabled(CommandId::FilePrint));
        QVERIFY(!test.enabled(CommandId::StartSlideShow));
        QCOMPARE(test.frame().photoView().headingText(), QString());

        TestApp shown;
        QVERIFY(shown.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 1)}));
        shown.frame().showConstructionInfo();
        QVERIFY(shown.commands().execute(CommandId::FileNew));
        QVERIFY(!shown.frame().clientArea().showsFullWindow());
        QCOMPARE(shown.frame().activeView(), &shown.frame().photoView());
    }

    void aReadUnderWayChangesNothingAndIsReplacedOrCancelled() {
        TestApp test;
        const QString shown = writeDelivery("PHOTO.XML", 3);
        QVERIFY(test.app.InitInstance({"tessel", shown}));
        QVERIFY(test.commands().execute(CommandId::StartSlideShow));
        test.work->held = {WorkLane::Single};
        test.app.openDocumentFile(writeDelivery("first.xml", 2));
        QVERIFY(!test.frame().slideShow().running());
        QVERIFY(!test.enabled(CommandId::NextPhoto)); // the delivery is about to go
        QVERIFY(!test.enabled(CommandId::FilePrint));
        QVERIFY(test.enabled(CommandId::FileOpen));
        test.frame().slideShow().tick(); // a tick already on its way steps what is still shown
        QCOMPARE(test.app.document().currentIndex(), 1);
        QCOMPARE(test.app.document().photoOrder().size(), 3u);

        const QString second = writeDelivery("second.xml", 4);
        test.app.openDocumentFile(second); // replaces the first read
        test.work->runAll(WorkLane::Single);
        QCOMPARE(QString::fromStdString(test.app.document().pathName()), second);
        QCOMPARE(test.app.recentFiles().files(), (QStringList{second, shown}));

        test.app.openDocumentFile(writeDelivery("third.xml", 5));
        QVERIFY(test.commands().execute(CommandId::EndDisplay)); // Esc
        test.work->runAll(WorkLane::Single);
        QCOMPARE(QString::fromStdString(test.app.document().pathName()), second);
        QCOMPARE(test.app.document().photoOrder().size(), 4u);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(test.enabled(CommandId::NextPhoto));
    }

    void anXmlFileOfAnotherKindOrWithoutPhotosIsSaidSo() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 3)}));
        QVERIFY(test.commands().execute(CommandId::StartSlideShow));
        const QString empty =
            QString::fromStdString(writeScratchFile("EMPTY.XML", "<photodata/>").string());
        QVERIFY(test.open(empty));
        QCOMPARE(test.frame().readStopNotice(), QString("EMPTY.XML には写真がありません"));
        QVERIFY(!test.frame().slideShow().running()); // nothing to step to

        const QString index =
            QString::fromStdString(writeScratchFile("INDEX_C.XML", "<constdata/>").string());
        QVERIFY(!test.open(index)); // the document says why
        QVERIFY(!test.app.recentFiles().files().contains(index));
    }

    void aDeliveryFolderDroppedOnTheWindowOpens() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        std::filesystem::create_directories(scratchFolder() / "disc/photo");
        const QString file = writeDelivery("disc/photo/photo.xml", 2);
        QMimeData dragged;
        dragged.setUrls({QUrl::fromLocalFile(
            QString::fromStdString((scratchFolder() / "disc").string()))}); // the root of a disc
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&test.frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&test.frame(), &drop);
        QCOMPARE(QString::fromStdString(test.app.document().pathName()), file);

        QMimeData elsewhere; // a folder without a delivery is refused
        std::filesystem::create_directories(scratchFolder() / "empty");
        elsewhere.setUrls(
            {QUrl::fromLocalFile(QString::fromStdString((scratchFolder() / "empty").string()))});
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &elsewhere, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&test.frame(), &refused);
        QVERIFY(!refused.isAccepted());
    }

    void theRecentFileListKeepsFourNewestFirst() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        QStringList opened;
        for (int i = 0; i < 5; ++i) {
            opened.prepend(writeDelivery("D" + std::to_string(i) + ".xml", 1));
            QVERIFY(test.open(opened.first()));
        }
        QVERIFY(test.open(opened[2])); // reopening moves it to the front
        const QStringList expected{opened[2], opened[0], opened[1], opened[3]};
        QCOMPARE(test.app.recentFiles().files(), expected);
        QCOMPARE(RecentFileList(test.profile).files(), expected); // kept in the profile
        QVERIFY(test.frame().recentFileAction(3)->text().startsWith("&4 "));

        std::filesystem::create_directories(scratchFolder() / "A&B");
        const QString ampersand = writeDelivery("A&B/PHOTO.XML", 1);
        QVERIFY(test.open(ampersand));
        QCOMPARE(test.frame().recentFileAction(0)->text(),
                 "&1 " + QString(ampersand).replace("&", "&&"));
    }

    void aRecentFileThatHasGoneIsReportedAndRemoved() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        const QString kept = writeDelivery("kept.xml", 1);
        const QString gone = writeDelivery("gone.xml", 1);
        QVERIFY(test.open(kept));
        QVERIFY(test.open(gone));
        std::filesystem::remove(gone.toStdString());
        test.frame().recentFileAction(0)->trigger();
        QCOMPARE(test.messages.size(), 1);
        QCOMPARE(test.app.recentFiles().files(), QStringList{kept});
        test.frame().recentFileAction(0)->trigger();
        QCOMPARE(QString::fromStdString(test.app.document().pathName()), kept);
    }

    void theOpenDialogShowsUpperCaseXmlFiles() {
        writeScratchFile("PHOTO.XML", "<photodata/>");
        writeScratchFile("notes.txt", "x");
        const QString folder = QString::fromStdString(scratchFolder().string());
        const auto dialog = makeOpenDialog(nullptr, folder);
        QCOMPARE(dialog->windowTitle(), QString("Open"));
        QCOMPARE(dialog->directory().absolutePath(), folder);
        QCOMPARE(dialog->nameFilters(), QStringList({"XMLファイル (*.xml)", "All Files (*.*)"}));
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        // The dialog's listing applies its name filter with its own filter flags; QDir does
        // the same, without the dialog's background thread.
        const QDir listing(folder, "*.xml", QDir::Name, dialog->filter());
        QCOMPARE(listing.entryList(QDir::Files), QStringList{"PHOTO.XML"});

        // Discs and sticks in the side bar, wherever the system mounts them for the user.
        std::filesystem::create_directories(scratchFolder() / "media/u/DISC1");
        std::filesystem::create_directories(scratchFolder() / "run/media/u/STICK");
        const std::string root = folder.toStdString();
        const std::vector<std::string> media =
            removableMediaFolders({root + "/media/u", root + "/run/media/u", root + "/nowhere"});
        QCOMPARE(media,
                 (std::vector<std::string>{root + "/media/u/DISC1", root + "/run/media/u/STICK"}));
    }

    void theCheckMarksFollowTheLayoutBothWays() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel"}));
        QAction* four = test.commands().action(CommandId::FourPhotos);
        QAction* one = test.commands().action(CommandId::OnePhoto);
        QVERIFY(one->isChecked() && !four->isChecked());
        // A click flips a checkable action by itself; the mark must show the layout instead.
        one->trigger(); // the command flips the layout, as it always did
        QVERIFY(test.app.document().fourPhotoLayout());
        QVERIFY(four->isChecked() && !one->isChecked());
        four->trigger();
        QVERIFY(!test.app.document().fourPhotoLayout());
        QVERIFY(one->isChecked() && !four->isChecked());

        QAction* toolBar = test.commands().action(CommandId::ViewToolBar);
        QVERIFY(toolBar->isChecked());
        toolBar->trigger();
        QVERIFY(test.frame().mainToolBar().isHidden());
        QVERIFY(!test.frame().photoToolBar().isHidden());
        QVERIFY(!toolBar->isChecked());
    }

    void theOverviewTakesThePhotosPlaceAndReturnsAtTheChosenPhoto() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 40)}));
        FrameLayout& layout = test.frame().clientArea();
        QAction* four = test.commands().action(CommandId::FourPhotos);
        QAction* one = test.commands().action(CommandId::OnePhoto);
        QAction* overview = test.commands().action(CommandId::Thumbnails);
        QVERIFY(test.commands().execute(CommandId::Thumbnails));
        test.commands().refresh();
        QVERIFY(layout.thumbnailsShown() && overview->isChecked());
        QVERIFY(!one->isChecked() && !four->isChecked());
        QCOMPARE(test.frame().activeView(), &layout.thumbnails());
        // The page keys move by the rows the overview shows.
        QVERIFY(test.commands().execute(CommandId::NextPage));
        QCOMPARE(test.app.document().currentIndex(), layout.thumbnails().cellsPerPage());
        QVERIFY(layout.thumbnails().cellsPerPage() > 4);
        QTest::keyClick(&layout.thumbnails(), Qt::Key_Return);
        QVERIFY(!layout.thumbnailsShown());
        QCOMPARE(test.frame().activeView(), &layout.photoView());
        QCOMPARE(layout.photoView().photoIndexAt(0), test.app.document().currentIndex());
        // From the overview each layout button returns to its own layout.
        QVERIFY(test.commands().execute(CommandId::Thumbnails));
        test.commands().refresh();
        one->trigger();
        QVERIFY(!layout.thumbnailsShown() && !test.app.document().fourPhotoLayout());
        QVERIFY(test.commands().execute(CommandId::Thumbnails));
        test.commands().refresh();
        four->trigger();
        QVERIFY(!layout.thumbnailsShown() && test.app.document().fourPhotoLayout());
    }

    void theAlbumIsSavedFromTheWindowAndAStoppedOneLeavesNothing() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 5)}));
        AlbumControl& album = test.frame().album();
        const QString path = QString::fromStdString((scratchFolder() / "album.pdf").string());
        album.chooseAlbum = [](const QString&) { return AlbumChoice{AlbumScope::Delivery, 2}; };
        album.choosePdfFile = [path](const QString&) { return path; };
        test.work->held = {WorkLane::Single};
        const auto pending = [&test] { test.work->runAll(WorkLane::Single); };
        QStringList said;
        album.showStatus = [&said](const QString& text) { said.append(text); };
        album.showError = [&said](const QString& text) { said.append(text); };
        test.commands().refresh();
        QVERIFY(test.commands().execute(CommandId::SaveAlbumPdf));
        QCOMPARE(album.progressText(), QString("写真帳を作成中 0 / 5"));
        QVERIFY(album.showsProgress());
        test.commands().refresh();
        QVERIFY(!test.enabled(CommandId::PrintAlbum)); // one album at a time
        album.cancel();
        pending();
        QCoreApplication::processEvents();
        QVERIFY(!QFile::exists(path) && !album.showsProgress() && said.isEmpty());
        QVERIFY(test.commands().execute(CommandId::SaveAlbumPdf));
        pending();
        QCoreApplication::processEvents();
        QVERIFY(!album.running() && !album.showsProgress());
        QCOMPARE(said, QStringList{"写真帳を保存しました（4 ページ）"}); // the cover and 3
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.read(5) == "%PDF-");
        // A printer that cannot be opened is reported, and the progress goes.
        album.choosePrinter = [] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFileName("/nonexistent/album.pdf");
            return printer;
        };
        QVERIFY(test.commands().execute(CommandId::PrintAlbum));
        pending();
        QCoreApplication::processEvents();
        QVERIFY(!album.showsProgress());
        QCOMPARE(
            said.last(),
            QString(
                "写真帳を印刷できませんでした。\n/nonexistent/album.pdf に書き込めませんでした。"));
    }

    void closingADeliveryFreesItsImages() {
        writeImageFile("PIC/F0.JPG", filledImage(640, 480, Qt::blue), "png");
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 1)}));
        test.settle();
        QVERIFY(test.app.imageLoader().cache().bytesHeld() > 0);
        QVERIFY(test.commands().execute(CommandId::FileNew));
        QCOMPARE(test.app.imageLoader().cache().bytesHeld(), std::size_t(0));
    }

    void commandStatesAreRefreshedWhenTheEventLoopGoesIdle() {
        TestApp test;
        QVERIFY(test.app.InitInstance({"tessel", writeDelivery("PHOTO.XML", 3)}));
        QAction* next = test.commands().action(CommandId::NextPhoto);
        QVERIFY(!next->isEnabled()); // set before the file was opened
        letTheEventLoopGoIdle();
        QVERIFY(next->isEnabled());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"

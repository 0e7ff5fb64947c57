#include "app/CMainFrame.h"

#include <algorithm>

#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "app/ActivePaneFrame.h"
#include "app/AlbumControl.h"
#include "app/CheckControl.h"
#include "app/PositionLabel.h"
#include "app/SlideShow.h"
#include "jobs/CheckRun.h"
#include "media/DeliveryLocation.h"
#include "views/CConstInfoView.h"
#include "views/CFindBar.h"
#include "views/CImageView.h"
#include "views/CPhotoInfoDlg.h"
#include "views/CPhotoView.h"
#include "views/CSankouzuView.h"
#include "views/CThumbnailView.h"
#include "views/CXmlTreeView.h"
#include "views/ElidedLabel.h"

CMainFrame::CMainFrame(CQuillonDoc& document, ImageLoader& images, WorkService& work,
                       const AppSettings& settings, CommandTarget& application,
                       const RecentFileList& recentFiles)
    : document(document), settings(settings), application(application), recentFiles(recentFiles),
      documentCommands(document), readingCommands([this] { Q_EMIT readCancelled(); }),
      active(new ActiveView(this)), commandSet(new CommandSet(this, [this] { return route(); })),
      slides(new SlideShow(document, settings, this)) {
    setWindowTitle("TESSEL"); // the works' name joins it once a delivery gives one
    setWindowIcon(QIcon(":/res/tessel.svg"));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 3 / 4); // the platform's default size is too small
    layout = new FrameLayout(document, images, size());
    setCentralWidget(layout);
    layout->photoView().setFocus(); // the window starts with the photos active, not the tree
    connectViews();
    buildMenus();
    buildToolBars();
    buildStatusBar();
    check = new CheckControl(document, work, *this, layout->tree(), layout->findBar());
    addNavigationCommands();
    addDisplayCommands();
    addCheckCommands();
    addAlbumCommands(images, work);
    setAcceptDrops(true);
    commandSet->refresh();
}

CMainFrame::~CMainFrame() {
    // The views go after this body; an idle refresh must not route into them meanwhile.
    commandSet->detach();
}

QString CMainFrame::droppedDelivery(const QMimeData* data) {
    // Dropping is opening: not while opening is disabled.
    if (!data->hasUrls() || !commandSet->state(CommandId::FileOpen).enabled)
        return {};
    const QUrl url = data->urls().value(0);
    const auto file =
        url.isLocalFile() ? deliveryFileAt(url.toLocalFile().toStdString()) : std::nullopt;
    return file ? QString::fromStdString(*file) : QString();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedDelivery(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString file = droppedDelivery(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    Q_EMIT deliveryDropped(file);
}

void CMainFrame::connectViews() {
    // The four-photo view first: it is active until another view is.
    active->addView(layout->photoView(), layout->photoView());
    active->addView(layout->tree(), layout->tree());
    active->addView(layout->drawings(), layout->drawings());
    active->addView(layout->imageView(), layout->imageView());
    active->addView(layout->constInfoView(), layout->constInfoView());
    active->addView(layout->thumbnails(), layout->thumbnails());
    // Owned by the pane it frames, as a child.
    auto* paneFrame = new ActivePaneFrame(
        {&layout->tree(), &layout->drawings(), &layout->photoView(), &layout->thumbnails()});
    paneFrame->follow(&layout->photoView());
    active->activeChanged = [paneFrame](QWidget* view) { paneFrame->follow(view); };
    connect(&layout->photoView(), &CPhotoView::enlargeRequested, this, &CMainFrame::enlargePhoto);
    connect(&layout->drawings(), &CSankouzuView::enlargeRequested, this, &CMainFrame::enlargePhoto);
    connect(&layout->imageView(), &CImageView::endRequested, this, &CMainFrame::endDisplay);
    connect(&layout->constInfoView(), &CConstInfoView::endRequested, this, &CMainFrame::endDisplay);
    connect(&layout->thumbnails(), &CThumbnailView::photoChosen, this,
            [this] { showThumbnails(false); });
}

std::vector<CommandTarget*> CMainFrame::route() {
    if (reading)
        return {&readingCommands, &application, this};
    return {active->target(), &documentCommands, this, &application};
}

void CMainFrame::showReading(bool isReading) {
    reading = isReading;
    if (reading)
        statusBar()->showMessage("写真XMLファイルを読み込んでいます… Esc で中止");
    else
        statusBar()->clearMessage();
    commandSet->refresh();
}

void CMainFrame::addEntries(QWidget* menuOrBar, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Kind::Command:
            menuOrBar->addAction(commandSet->action(entry.id));
            break;
        case MenuEntry::Kind::Separator: {
            auto* line = new QAction(menuOrBar);
            line->setSeparator(true);
            menuOrBar->addAction(line);
            break;
        }
        case MenuEntry::Kind::RecentFiles:
            addRecentFiles(menuOrBar);
            break;
        }
    }
}

void CMainFrame::buildMenus() {
    for (const MenuLayout& menu : frameMenus())
        addEntries(menuBar()->addMenu(menu.title), menu.entries);
}

void CMainFrame::addRecentFiles(QWidget* menu) {
    recentPlaceholder = new QAction("最近使ったファイル", menu);
    menu->addAction(recentPlaceholder);
    recentPlaceholder->setStatusTip("指定のファイルを開く");
    recentPlaceholder->setEnabled(false);
    for (int index = 0; index < RecentFileList::capacity; ++index) {
        auto* action = new QAction(menu);
        menu->addAction(action);
        action->setStatusTip("指定のファイルを開く");
        connect(action, &QAction::triggered, this,
                [this, index] { Q_EMIT recentFileChosen(index); });
        recentActions[index] = action;
    }
    refreshRecentFiles();
}

void CMainFrame::refreshRecentFiles() {
    const QStringList& files = recentFiles.files();
    recentPlaceholder->setVisible(files.isEmpty());
    for (int index = 0; index < RecentFileList::capacity; ++index) {
        QAction* action = recentActions[index];
        action->setVisible(index < files.size());
        if (index < files.size()) {
            // An & of the path is shown as it is, not taken as a mnemonic.
            const QString shown = QDir::toNativeSeparators(files[index]).replace('&', "&&");
            action->setText(QString("&%1 %2").arg(index + 1).arg(shown));
        }
    }
}

void CMainFrame::buildToolBars() {
    std::vector<QToolBar*> bars;
    for (const ToolBarLayout& layout : frameToolBars()) {
        QToolBar* bar = addToolBar(layout.title);
        bar->setObjectName(layout.objectName);
        bar->setIconSize(layout.iconSize);
        addEntries(bar, layout.entries);
        bars.push_back(bar);
    }
    mainBar = bars.at(0);
    photoBar = bars.at(1);
}

void CMainFrame::buildStatusBar() {
    // Shown whenever no command's prompt covers it.
    statusBar()->addWidget(new QLabel("レディ"), 1);
    position = new PositionLabel(document);
    statusBar()->addPermanentWidget(position);
    slides->runningChanged = [this](bool running) { position->showSlideShowRunning(running); };
    zoom = new QLabel;
    statusBar()->addPermanentWidget(zoom);
    zoom->hide();
    // Not through this: the enlarged view also says so while the window is destroyed.
    connect(&layout->imageView(), &CImageView::zoomChanged, zoom,
            [label = zoom](const QString& text) {
                label->setText(text);
                label->setVisible(!text.isEmpty());
            });
    // Permanent, so that no prompt hides that the file was not read to its end.
    readStop = new ElidedLabel;
    readStop->setTextFormat(Qt::PlainText);
    statusBar()->addPermanentWidget(readStop);
}

void CMainFrame::showReadStopNotice(const QString& notice) {
    readStop->setText(notice);
}

QString CMainFrame::positionText() const {
    return position->text();
}

QString CMainFrame::zoomText() const {
    return zoom->isVisibleTo(statusBar()) ? zoom->text() : QString();
}

QString CMainFrame::readStopNotice() const {
    return readStop->text();
}

int CMainFrame::pageSize() const {
    if (layout->thumbnailsShown())
        return layout->thumbnails().cellsPerPage();
    return document.fourPhotoLayout() ? 4 : 1;
}

int CMainFrame::lastPhotoIndex() const {
    return static_cast<int>(document.photoOrder().size()) - 1;
}

bool CMainFrame::canStep() const {
    const bool constInfoShown = isActive(layout->constInfoView());
    const bool drawingEnlarged =
        isActive(layout->imageView()) && document.imageTarget() == ImageTarget::Drawing;
    return !constInfoShown && !drawingEnlarged && document.currentIndex() != -1;
}

void CMainFrame::addNavigationCommands() {
    add(
        CommandId::PreviousPhoto, [this] { return canStep() && !document.isFirstPhoto(); },
        [this] { document.previousPhoto(nullptr); });
    add(
        CommandId::NextPhoto, [this] { return canStep() && !document.isLastPhoto(); },
        [this] { document.nextPhoto(nullptr); });
    const auto atFirst = [this] { return canStep() && !document.isFirstPhoto(); };
    const auto atLast = [this] { return canStep() && !document.isLastPhoto(); };
    add(CommandId::FirstPhoto, atFirst, [this] { document.goToPhoto(0, nullptr); });
    add(CommandId::LastPhoto, atLast, [this] { document.goToPhoto(lastPhotoIndex(), nullptr); });
    add(CommandId::PreviousPage, atFirst,
        [this] { document.goToPhoto(std::max(document.currentIndex() - pageSize(), 0), nullptr); });
    add(CommandId::NextPage, atLast, [this] {
        document.goToPhoto(std::min(document.currentIndex() + pageSize(), lastPhotoIndex()),
                           nullptr);
    });
    add(
        CommandId::StartSlideShow,
        [this] {
            return !isActive(layout->constInfoView()) && document.isOpen() && !slides->running();
        },
        [this] { slides->start(); });
    const auto split = [this] { return !layout->showsFullWindow(); };
    add(CommandId::NextPane, split, [this] { activateNextPane(1); });
    add(CommandId::PreviousPane, split, [this] { activateNextPane(-1); });
}

void CMainFrame::addDisplayCommands() {
    const auto split = [this] { return !layout->showsFullWindow(); };
    // Print and F5 act from every pane: what a pane leaves, the photos take.
    add(
        CommandId::FilePrint, [this] { return photoView().canPrint(); },
        [this] { photoView().print(); });
    add(
        CommandId::Reload, [this] { return document.currentIndex() != -1; },
        [this] {
            photoView().reload();
            layout->drawings().reload();
            if (layout->thumbnailsShown())
                layout->thumbnails().reload();
        });
    add(
        CommandId::EndDisplay,
        [this, split] {
            return !split() || layout->findBar().isVisible() || slides->running() ||
                   check->running();
        },
        [this] { endDisplay(); });
    add(
        CommandId::ShowConstInfo,
        [this, split] { return split() && document.photoData().hasConstructionInfo; },
        [this] { showConstructionInfo(); });
    add(
        CommandId::EnlargePhoto, [this, split] { return split() && document.currentIndex() != -1; },
        [this] { enlargePhoto(); });
    addLayoutCommands();
    addChecked(
        CommandId::ToggleTree,
        [this] {
            return CommandState{true, layout->treeShown()};
        },
        [this] { layout->toggleTree(); });
    addChecked(
        CommandId::ViewToolBar,
        [this] {
            return CommandState{true, !mainBar->isHidden()};
        },
        [this] { mainBar->setVisible(mainBar->isHidden()); });
    addChecked(
        CommandId::FullScreen,
        [this] {
            return CommandState{true, isFullScreen()};
        },
        [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
    addChecked(
        CommandId::ViewStatusBar,
        [this] {
            return CommandState{true, !statusBar()->isHidden()};
        },
        [this] { statusBar()->setVisible(statusBar()->isHidden()); });
}

void CMainFrame::addLayoutCommands() {
    // The one- and four-photo buttons flip the photo layout, so the one already checked
    // switches to the other; from the overview each returns to its own layout.
    const auto showLayout = [this](bool fourPhotos) {
        if (!layout->thumbnailsShown() || document.fourPhotoLayout() != fourPhotos)
            document.OnTogglePhotoLayout();
        showThumbnails(false);
    };
    addChecked(
        CommandId::FourPhotos,
        [this] {
            return CommandState{true, !layout->thumbnailsShown() && document.fourPhotoLayout()};
        },
        [showLayout] { showLayout(true); });
    addChecked(
        CommandId::OnePhoto,
        [this] {
            return CommandState{true, !layout->thumbnailsShown() && !document.fourPhotoLayout()};
        },
        [showLayout] { showLayout(false); });
    addChecked(
        CommandId::Thumbnails,
        [this] {
            return CommandState{document.isOpen(), layout->thumbnailsShown()};
        },
        [this] { showThumbnails(!layout->thumbnailsShown()); });
}

void CMainFrame::showThumbnails(bool shown) {
    layout->showThumbnails(shown);
    active->setActive(layout->photoPane());
}

void CMainFrame::addCheckCommands() {
    const auto open = [this] { return document.isOpen(); };
    add(CommandId::CheckDelivery, open, [this] { check->startOrCancel(); });
    add(
        CommandId::Find, [this, open] { return open() && !layout->showsFullWindow(); },
        [this] { layout->findBar().open(); });
    connect(&layout->findBar(), &CFindBar::closed, this, [this] {
        active->setActive(layout->photoPane());
        layout->photoPane().setFocus();
    });
    addChecked(
        CommandId::ShowFindings,
        [this] {
            return CommandState{true, !check->dock().isHidden()};
        },
        [this] { check->dock().setVisible(check->dock().isHidden()); });
    showPhotoInfo = [this] {
        const auto& findings = deliveryCheck().run().findings();
        CPhotoInfoDlg(currentPhotoInformation(document, findings), this).exec();
    };
    add(
        CommandId::PhotoInfo, [this] { return document.currentPhoto() != nullptr; },
        [this] { showPhotoInfo(); });
    connect(&layout->photoView(), &CPhotoView::photoMenuRequested, this,
            &CMainFrame::showPhotoMenu);
    connect(&layout->thumbnails(), &CThumbnailView::photoMenuRequested, this,
            &CMainFrame::showPhotoMenu);
}

void CMainFrame::addAlbumCommands(ImageLoader& images, WorkService& work) {
    albums = new AlbumControl(document, images, work, *this);
    const auto canMake = [this] {
        return !document.photoData().photos.empty() && !albums->running();
    };
    add(CommandId::PrintAlbum, canMake, [this] { albums->print(); });
    add(CommandId::SaveAlbumPdf, canMake, [this] { albums->savePdf(); });
}

void CMainFrame::showPhotoMenu(const QPoint& globalPosition) {
    QMenu menu;
    menu.addAction(commandSet->action(CommandId::EnlargePhoto));
    menu.addAction(commandSet->action(CommandId::PhotoInfo));
    commandSet->refresh();
    menu.exec(globalPosition);
}

void CMainFrame::activateNextPane(int step) {
    QWidget* panes[] = {&layout->tree(), &layout->drawings(), &layout->photoPane()};
    const auto current = std::find(std::begin(panes), std::end(panes), active->widget());
    const int index = current == std::end(panes) ? 2 : int(current - std::begin(panes));
    QWidget* next = panes[(index + step + 3) % 3];
    active->setActive(*next);
    next->setFocus();
}

void CMainFrame::enlargePhoto() {
    showFullWindow(layout->imageView());
}

void CMainFrame::showConstructionInfo() {
    showFullWindow(layout->constInfoView());
}

void CMainFrame::showFullWindow(QWidget& view) {
    active->setActive(view);
    layout->showFullWindow(view);
}

void CMainFrame::endDisplay() {
    // Esc in a full-window view returns first, even while a slideshow runs; then it closes
    // the find bar, stops the slideshow, then the check.
    if (!layout->showsFullWindow()) {
        if (layout->findBar().isVisible())
            layout->findBar().close();
        else if (slides->running())
            slides->stop();
        else
            check->cancel();
        return;
    }
    showSplitDisplay();
}

void CMainFrame::showSplitDisplay() {
    if (!layout->showsFullWindow())
        return;
    active->setActive(layout->photoPane());
    layout->showSplit();
}

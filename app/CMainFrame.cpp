#include "app/CMainFrame.h"

#include <algorithm>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "app/SlideShow.h"
#include "media/DeliveryLocation.h"
#include "views/CConstInfoView.h"
#include "views/CImageView.h"
#include "views/CPhotoView.h"
#include "views/CSankouzuView.h"
#include "views/CXmlTreeView.h"

namespace {

constexpr int separator = 0;

} // namespace

CMainFrame::CMainFrame(CQuillonDoc& document, ImageLoader& images, const AppSettings& settings,
                       CommandTarget& application, const RecentFileList& recentFiles)
    : document(document), settings(settings), application(application), recentFiles(recentFiles),
      documentCommands(document), active(new ActiveView(this)),
      commandSet(new CommandSet(this, [this] { return route(); })) {
    setWindowTitle("TESSEL"); // never the open file's name
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
    connect(&slideTimer, &QTimer::timeout, this, &CMainFrame::slideTick);
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

void CMainFrame::savePlacement(QSettings& profile) const {
    profile.beginGroup("Window");
    profile.setValue("geometry", saveGeometry());
    profile.setValue("bars", saveState()); // the toolbars, shown or hidden
    profile.setValue("statusBar", !statusBar()->isHidden());
    profile.setValue("splitters", layout->saveSplitters());
    profile.endGroup();
}

void CMainFrame::restorePlacement(const QSettings& profile) {
    const QString group = "Window/";
    if (!profile.contains(group + "geometry"))
        return; // the first run: the default size and the columns made for it
    restoreGeometry(profile.value(group + "geometry").toByteArray());
    restoreState(profile.value(group + "bars").toByteArray());
    statusBar()->setVisible(profile.value(group + "statusBar", true).toBool());
    layout->restoreSplitters(profile.value(group + "splitters").toByteArray());
}

void CMainFrame::connectViews() {
    // The four-photo view first: it is active until another view is.
    active->addView(layout->photoView(), layout->photoView());
    active->addView(layout->tree(), layout->tree());
    active->addView(layout->drawings(), layout->drawings());
    active->addView(layout->imageView(), layout->imageView());
    active->addView(layout->constInfoView(), layout->constInfoView());
    connect(&layout->photoView(), &CPhotoView::enlargeRequested, this, &CMainFrame::enlargePhoto);
    connect(&layout->drawings(), &CSankouzuView::enlargeRequested, this, &CMainFrame::enlargePhoto);
    connect(&layout->imageView(), &CImageView::endRequested, this, &CMainFrame::endDisplay);
    connect(&layout->constInfoView(), &CConstInfoView::endRequested, this, &CMainFrame::endDisplay);
}

std::vector<CommandTarget*> CMainFrame::route() {
    if (reading)
        return {&application, this};
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

void CMainFrame::addCommands(QWidget* menuOrBar, std::initializer_list<int> ids) {
    for (int id : ids) {
        if (id == separator) {
            auto* line = new QAction(menuOrBar);
            line->setSeparator(true);
            menuOrBar->addAction(line);
        } else {
            menuOrBar->addAction(commandSet->action(static_cast<CommandId>(id)));
        }
    }
}

void CMainFrame::buildMenus() {
    using C = CommandId;
    QMenu* file = menuBar()->addMenu("ファイル(&F)");
    addCommands(file, {int(C::FileOpen), separator, int(C::FilePrint), separator});
    addRecentFiles(file);
    addCommands(file, {separator, int(C::AppExit)});
    addCommands(menuBar()->addMenu("写真XML(&X)"),
                {int(C::EndDisplay), separator, int(C::ShowConstInfo), separator,
                 int(C::PreviousPhoto), int(C::NextPhoto), separator, int(C::EnlargePhoto),
                 int(C::Reload), separator, int(C::StartSlideShow)});
    addCommands(menuBar()->addMenu("表示(&V)"),
                {int(C::FourPhotos), int(C::ToggleTree), separator, int(C::ViewToolBar),
                 int(C::ViewStatusBar), separator, int(C::Options)});
    addCommands(menuBar()->addMenu("ヘルプ(&H)"), {int(C::AppAbout)});
}

void CMainFrame::addRecentFiles(QMenu* menu) {
    recentPlaceholder = menu->addAction("最近使ったファイル");
    recentPlaceholder->setStatusTip("指定のファイルを開く");
    recentPlaceholder->setEnabled(false);
    for (int index = 0; index < RecentFileList::capacity; ++index) {
        QAction* action = menu->addAction(QString());
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
    using C = CommandId;
    mainBar = addToolBar("ツール バー");
    mainBar->setObjectName("mainToolBar");
    mainBar->setIconSize(QSize(16, 15));
    addCommands(mainBar,
                {int(C::FileOpen), int(C::FilePrint), separator, int(C::FourPhotos),
                 int(C::OnePhoto), separator, int(C::ToggleTree), separator, int(C::AppAbout)});
    photoBar = addToolBar("写真XML");
    photoBar->setObjectName("photoToolBar");
    photoBar->setIconSize(QSize(32, 15));
    addCommands(photoBar,
                {int(C::EndDisplay), separator, int(C::ShowConstInfo), separator,
                 int(C::PreviousPhoto), int(C::NextPhoto), separator, int(C::StartSlideShow)});
}

void CMainFrame::buildStatusBar() {
    // Shown whenever no command's prompt covers it.
    statusBar()->addWidget(new QLabel("レディ"), 1);
    // Permanent, so that no prompt hides that the file was not read to its end.
    readStop = new QLabel;
    readStop->setTextFormat(Qt::PlainText);
    statusBar()->addPermanentWidget(readStop);
}

void CMainFrame::showReadStopNotice(const QString& notice) {
    readStop->setText(notice);
}

QString CMainFrame::readStopNotice() const {
    return readStop->text();
}

bool CMainFrame::updateCommand(CommandId id, CommandState& state) {
    if (updateNavigation(id, state) || updateDisplay(id, state))
        return true;
    switch (id) {
    case CommandId::ViewToolBar:
        state = {true, !mainBar->isHidden()};
        return true;
    case CommandId::ViewStatusBar:
        state = {true, !statusBar()->isHidden()};
        return true;
    case CommandId::NextPane:
    case CommandId::PreviousPane:
        state.enabled = !layout->showsFullWindow();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::updateNavigation(CommandId id, CommandState& state) {
    const bool constInfoShown = isActive(layout->constInfoView());
    const bool drawingEnlarged =
        isActive(layout->imageView()) && document.imageTarget() == ImageTarget::Drawing;
    const bool hasCurrent = document.currentIndex() != -1;
    switch (id) {
    case CommandId::PreviousPhoto:
        state.enabled =
            !constInfoShown && !drawingEnlarged && hasCurrent && !document.isFirstPhoto();
        return true;
    case CommandId::NextPhoto:
        state.enabled =
            !constInfoShown && !drawingEnlarged && hasCurrent && !document.isLastPhoto();
        return true;
    case CommandId::StartSlideShow:
        state.enabled = !constInfoShown && !document.pathName().empty() && !slideShowRunning();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::updateDisplay(CommandId id, CommandState& state) {
    const bool split = !layout->showsFullWindow();
    switch (id) {
    case CommandId::EndDisplay:
        state.enabled = !split || slideShowRunning();
        return true;
    case CommandId::ShowConstInfo:
        state.enabled = split && document.photoData().hasConstructionInfo;
        return true;
    case CommandId::EnlargePhoto:
        state.enabled = split && document.currentIndex() != -1;
        return true;
    case CommandId::ToggleTree:
        state = {true, layout->treeShown()};
        return true;
    default:
        return false;
    }
}

bool CMainFrame::executeCommand(CommandId id) {
    switch (id) {
    case CommandId::PreviousPhoto:
        document.previousPhoto(nullptr);
        return true;
    case CommandId::NextPhoto:
        document.nextPhoto(nullptr);
        return true;
    case CommandId::StartSlideShow:
        startSlideShow();
        return true;
    case CommandId::EndDisplay:
        endDisplay();
        return true;
    case CommandId::EnlargePhoto:
        enlargePhoto();
        return true;
    case CommandId::ShowConstInfo:
        showConstructionInfo();
        return true;
    case CommandId::ToggleTree:
        layout->toggleTree();
        return true;
    case CommandId::ViewToolBar:
        mainBar->setVisible(mainBar->isHidden());
        return true;
    case CommandId::ViewStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        return true;
    case CommandId::NextPane:
    case CommandId::PreviousPane:
        activateNextPane(id == CommandId::NextPane ? 1 : -1);
        return true;
    default:
        return false;
    }
}

void CMainFrame::activateNextPane(int step) {
    QWidget* panes[] = {&layout->tree(), &layout->drawings(), &layout->photoView()};
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

void CMainFrame::startSlideShow() {
    // The interval is read now: a change in the options applies to the next show.
    slideTimer.start(slideShowIntervalMilliseconds(settings.photoSlideInterval));
}

void CMainFrame::slideTick() {
    if (!document.nextPhoto(nullptr))
        slideTimer.stop();
}

void CMainFrame::endDisplay() {
    // Esc in a full-window view returns first, even while a slideshow runs.
    if (!layout->showsFullWindow()) {
        stopSlideShow();
        return;
    }
    showSplitDisplay();
}

void CMainFrame::showSplitDisplay() {
    if (!layout->showsFullWindow())
        return;
    active->setActive(layout->photoView());
    layout->showSplit();
}

#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QMainWindow>

#include "app/ActiveView.h"
#include "app/DocumentCommands.h"
#include "app/FrameLayout.h"
#include "app/FrameMenus.h"
#include "app/ReadingCommands.h"
#include "app/RecentFileList.h"
#include "app/SlideShow.h"
#include "commands/CommandHandlers.h"
#include "commands/CommandSet.h"
#include "document/CQuillonDoc.h"
#include "settings/AppSettings.h"
#include "views/CPhotoView.h"

class AlbumControl;
class CheckControl;
class PositionLabel;
class QLabel;
class QMimeData;
class QToolBar;
class WorkService;

// The program's one window: menus, two toolbars, status bar, the split display of the views
// and the two full-window views that replace it, photo stepping and the slideshow.
class CMainFrame : public QMainWindow, public CommandHandlers {
    Q_OBJECT

public:
    CMainFrame(CQuillonDoc& document, ImageLoader& images, WorkService& work,
               const AppSettings& settings, CommandTarget& application,
               const RecentFileList& recentFiles);
    ~CMainFrame() override;

    CommandSet& commands() { return *commandSet; }
    FrameLayout& clientArea() { return *layout; }
    const FrameLayout& clientArea() const { return *layout; }
    CPhotoView& photoView() { return layout->photoView(); }
    // Where the command route starts.
    QWidget* activeView() const { return active->widget(); }
    void setActiveView(const QWidget& view) { active->setActive(view); }
    QToolBar& mainToolBar() { return *mainBar; }
    QToolBar& photoToolBar() { return *photoBar; }
    // Shows the recent-file list in the ファイル menu again after it changed.
    void refreshRecentFiles();
    QAction* recentFileAction(int index) const { return recentActions[index]; }
    QAction* recentFilePlaceholder() const { return recentPlaceholder; }

    SlideShow& slideShow() { return *slides; }
    CheckControl& deliveryCheck() { return *check; }
    AlbumControl& album() { return *albums; }
    // Shows the current photo's information in its dialog; replaceable for tests.
    std::function<void()> showPhotoInfo;
    // Where the current photo stands, as the status bar says it.
    QString positionText() const;
    // The enlarged image's scale, as the status bar says it; empty when none is shown.
    QString zoomText() const;
    // Returns from a full-window view to the split display, or else stops the slideshow.
    void endDisplay();
    // The split display with the photos active, whatever full-window view was shown.
    void showSplitDisplay();
    // The photo, or the drawing chosen, over the whole window.
    void enlargePhoto();
    void showConstructionInfo();
    // While a delivery is read, the status bar says so and the commands that would act on
    // the document wait; Esc asks for the read to be cancelled.
    void showReading(bool reading);
    bool showsReading() const { return reading; }
    // Says in the status bar, until replaced, that the open file was not read to its end.
    void showReadStopNotice(const QString& notice);
    QString readStopNotice() const;

Q_SIGNALS:
    void recentFileChosen(int index);
    // A delivery file or folder was dropped on the window; path is its photo XML file.
    void deliveryDropped(const QString& path);
    // Esc while a delivery is read.
    void readCancelled();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::vector<CommandTarget*> route();
    void connectViews();
    void showFullWindow(QWidget& view);
    bool isActive(const QWidget& view) const { return active->widget() == &view; }
    void addNavigationCommands();
    void addDisplayCommands();
    void addLayoutCommands();
    void addAlbumCommands(ImageLoader& images, WorkService& work);
    // The overview of thumbnails in place of the photos, active, or the photos again.
    void showThumbnails(bool shown);
    void addCheckCommands();
    void showPhotoMenu(const QPoint& globalPosition);
    // Photos can be stepped through in what is shown.
    bool canStep() const;
    // How far Page Up and Page Down step: a page of four, or one photo.
    int pageSize() const;
    int lastPhotoIndex() const;
    void activateNextPane(int step);
    // The photo XML file of what is dragged over the window, if it may be opened now.
    QString droppedDelivery(const QMimeData* data);
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    void addEntries(QWidget* menuOrBar, const std::vector<MenuEntry>& entries);
    void addRecentFiles(QWidget* menu);

    CQuillonDoc& document;
    const AppSettings& settings;
    CommandTarget& application;
    const RecentFileList& recentFiles;
    DocumentCommands documentCommands;
    ReadingCommands readingCommands;
    FrameLayout* layout;
    ActiveView* active;
    CommandSet* commandSet;
    QToolBar* mainBar = nullptr;
    QToolBar* photoBar = nullptr;
    QLabel* readStop = nullptr;
    PositionLabel* position = nullptr;
    QLabel* zoom = nullptr;
    bool reading = false;
    QAction* recentPlaceholder = nullptr;
    std::array<QAction*, RecentFileList::capacity> recentActions{};
    SlideShow* slides;              // owned by Qt as a child
    CheckControl* check = nullptr;  // likewise
    AlbumControl* albums = nullptr; // likewise
};

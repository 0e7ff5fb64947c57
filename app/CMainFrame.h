#pragma once

#include <array>
#include <memory>
#include <vector>

#include <QMainWindow>
#include <QTimer>

#include "app/ActiveView.h"
#include "app/DocumentCommands.h"
#include "app/FrameLayout.h"
#include "app/RecentFileList.h"
#include "commands/CommandSet.h"
#include "document/CQuillonDoc.h"
#include "settings/AppSettings.h"
#include "views/CPhotoView.h"

class QLabel;
class QMimeData;
class QSettings;
class QToolBar;

// The program's one window: menus, two toolbars, status bar, the split display of the views
// and the two full-window views that replace it, photo stepping and the slideshow.
class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT

public:
    CMainFrame(CQuillonDoc& document, ImageLoader& images, const AppSettings& settings,
               CommandTarget& application, const RecentFileList& recentFiles);
    ~CMainFrame() override;

    bool updateCommand(CommandId id, CommandState& state) override;
    bool executeCommand(CommandId id) override;

    CommandSet& commands() { return *commandSet; }
    FrameLayout& clientArea() { return *layout; }
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

    bool slideShowRunning() const { return slideTimer.isActive(); }
    int slideShowInterval() const { return slideTimer.interval(); }
    void startSlideShow();
    // One step of the slideshow; where there is nothing to step to it stops instead.
    void slideTick();
    void stopSlideShow() { slideTimer.stop(); }
    // Returns from a full-window view to the split display, or else stops the slideshow.
    void endDisplay();
    // The split display with the photos active, whatever full-window view was shown.
    void showSplitDisplay();
    // The photo, or the drawing chosen, over the whole window.
    void enlargePhoto();
    void showConstructionInfo();
    // While a delivery is read, the status bar says so and commands go to the application
    // first, which disables those that would act on the document.
    void showReading(bool reading);
    bool showsReading() const { return reading; }
    // Says in the status bar, until replaced, that the open file was not read to its end.
    void showReadStopNotice(const QString& notice);
    QString readStopNotice() const;

    // The window's place and size, its bars and the splitters, kept across runs.
    void savePlacement(QSettings& profile) const;
    void restorePlacement(const QSettings& profile);

Q_SIGNALS:
    void recentFileChosen(int index);
    // A delivery file or folder was dropped on the window; path is its photo XML file.
    void deliveryDropped(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::vector<CommandTarget*> route();
    void connectViews();
    void showFullWindow(QWidget& view);
    bool isActive(const QWidget& view) const { return active->widget() == &view; }
    bool updateNavigation(CommandId id, CommandState& state);
    bool updateDisplay(CommandId id, CommandState& state);
    void activateNextPane(int step);
    // The photo XML file of what is dragged over the window, if it may be opened now.
    QString droppedDelivery(const QMimeData* data);
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    void addCommands(QWidget* menuOrBar, std::initializer_list<int> ids);
    void addRecentFiles(QMenu* menu);

    CQuillonDoc& document;
    const AppSettings& settings;
    CommandTarget& application;
    const RecentFileList& recentFiles;
    DocumentCommands documentCommands;
    FrameLayout* layout;
    ActiveView* active;
    CommandSet* commandSet;
    QToolBar* mainBar = nullptr;
    QToolBar* photoBar = nullptr;
    QLabel* readStop = nullptr;
    bool reading = false;
    QAction* recentPlaceholder = nullptr;
    std::array<QAction*, RecentFileList::capacity> recentActions{};
    QTimer slideTimer;
};

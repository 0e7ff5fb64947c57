#pragma once

#include <functional>
#include <memory>

#include <QMessageBox>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>

#include "app/RecentFileList.h"
#include "commands/CommandHandlers.h"
#include "document/CQuillonDoc.h"
#include "document/DocumentHost.h"
#include "settings/AppSettings.h"
#include "views/ImagePipeline.h"
#include "work/LatestWork.h"
#include "work/ThreadedWork.h"

class CMainFrame;
class QFileDialog;

// The application: reads the settings, creates the one document and the main window, opens
// files from the command line, the open command and the recent-file list, and shows the
// document's messages.
class CQuillonApp : public QObject, public DocumentHost, public CommandHandlers {
public:
    // profile keeps the recent-file list; work runs everything that must not hold up the
    // window; decodes: where the views' images are decoded (null: in work's interactive lane).
    CQuillonApp(AppSettings settings, QSettings& profile,
                std::shared_ptr<WorkService> work = ThreadedWork::make(),
                std::unique_ptr<DecodeExecutor> decodes = nullptr);
    ~CQuillonApp() override;

    // Start-up: false when the program should end at once (a file named on the command line
    // could not be opened).
    bool InitInstance(const QStringList& arguments);

    // Starts reading the delivery at path off the GUI thread, replacing a read under way; the
    // window goes on working meanwhile. Once read, the document takes it, the path is
    // recorded, the recent-file list updated and every view shown the new delivery.
    void openDocumentFile(const QString& path);
    // Drops the read under way: the open delivery stays as it was.
    void cancelOpen();
    bool reading() const { return reader.pending(); }
    // Whether the last read that finished was opened.
    bool lastOpenSucceeded = false;
    void OnFileOpen();
    void OnFileNew();
    void OnAppAbout();
    void openRecentFile(int index);

    void showMessage(std::string_view text) override;
    void showWarning(const QString& text);
    std::optional<OptionChoice> runOptionsDialog(const OptionValues& shown) override;
    OptionValues savedOptions() const override;
    void saveOptions(const OptionValues& options) override;

    AppSettings settings;
    // Replaceable for tests: how a message is shown (as information, or as a warning that
    // something was not done) and how a file is chosen.
    std::function<void(const QString&, QMessageBox::Icon)> messageBox;
    std::function<QString()> chooseFile;
    // The folders media are mounted on; replaceable for tests.
    MountPoints mountPoints = systemMountPoints;

    CQuillonDoc& document() { return *doc; }
    ImageLoader& imageLoader() { return images->loader(); }
    CMainFrame& frame() { return *mainFrame; }
    const RecentFileList& recentFiles() const { return recent; }

private:
    QString askForFile();
    // Beside the open file, or where the dialog was last left.
    QString openDialogFolder() const;
    // After a new document, or a load that failed part-way: nothing open, nothing running.
    void showNewDocument();
    static QString absolutePath(const QString& path);
    void showReading(bool reading);
    void finishOpen(DeliveryRead read);
    // Shows the document's delivery, or that none is open, in every view and the window.
    void showDelivery();
    void forgetRecentFile(const QString& path);
    // Folds the new delivery's texts for the search on a worker, after the open.
    void prepareSearch();

    static constexpr const char* lastFolderKey = "OpenDialog/LastFolder";

    QSettings& profile;
    RecentFileList recent;
    // Stopped last, when nothing is left to hear of its results.
    WorkOwner work;
    // Before the document and the frame: it outlives the views that hold its tickets.
    std::unique_ptr<ImagePipeline> images;
    std::unique_ptr<CQuillonDoc> doc;
    std::unique_ptr<CMainFrame> mainFrame;
    // Last: a result still on its way is dropped before the document and the frame go. One
    // read is wanted at a time: a new one replaces the one under way, whose result is dropped.
    LatestWork reader;
    LatestWork searchPreparation;
};

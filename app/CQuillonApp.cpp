#include "app/CQuillonApp.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/BackgroundRead.h"
#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/COptionDlg.h"
#include "app/OpenDialog.h"
#include "app/ReadStopNotice.h"
#include "document/DiscSearch.h"
#include "document/SystemErrorText.h"

CQuillonApp::CQuillonApp(AppSettings settings, QSettings& profile,
                         std::unique_ptr<ImageLoader> images)
    : settings(std::move(settings)), profile(profile), recent(profile), images(std::move(images)) {
    messageBox = [this](const QString& text, QMessageBox::Icon icon) {
        QMessageBox box(icon, "TESSEL", text, QMessageBox::Ok, mainFrame.get());
        box.exec();
    };
    chooseFile = [this] { return askForFile(); };
}

CQuillonApp::~CQuillonApp() {
    if (mainFrame)
        mainFrame->savePlacement(profile);
}

bool CQuillonApp::InitInstance(const QStringList& arguments) {
    // Read before the document exists: it copies the browse mode when constructed.
    settings.readFromIni();
    doc = std::make_unique<CQuillonDoc>(*this);
    // The document's reader, on a thread of its own and into a data set of its own, which
    // the document takes when it is whole: the window goes on painting meanwhile and never
    // sees half a data set.
    doc->loadPhotoXml = [read = doc->loadPhotoXml](const std::string& path, PhotoDataSet& data) {
        PhotoDataSet loaded;
        const int result = readInBackground([&] { return read(path, loaded); });
        data = std::move(loaded);
        return result;
    };
    mainFrame = std::make_unique<CMainFrame>(*doc, *images, settings, *this, recent);
    connect(mainFrame.get(), &CMainFrame::recentFileChosen, this, &CQuillonApp::openRecentFile);
    connect(mainFrame.get(), &CMainFrame::deliveryDropped, this,
            [this](const QString& path) { openDocumentFile(path); });
    mainFrame->restorePlacement(profile);
    if (arguments.size() > 1) {
        if (!openDocumentFile(arguments[1]))
            return false;
    } else {
        OnFileNew();
    }
    mainFrame->show();
    return true;
}

namespace {

// Reading a large file from a CD takes seconds: the pointer says the program is at work.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

bool CQuillonApp::openDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    bool opened = false;
    {
        const BusyCursor busy;
        opened = doc->OnOpenDocument(absolute.toStdString());
    }
    if (!opened) {
        // A load that failed after the views were emptied leaves nothing open.
        if (doc->pathName().empty())
            showNewDocument();
        return false;
    }
    doc->setPathName(absolute.toStdString());
    if (doc->currentIndex() == -1)
        mainFrame->stopSlideShow(); // nothing to step to
    recent.add(absolute);
    mainFrame->refreshRecentFiles();
    mainFrame->showReadStopNotice(readStopNotice(doc->pathName(), doc->photoData()));
    lookOnOtherDiscs(doc->pathName());
    doc->sendInitialUpdate();
    return true;
}

void CQuillonApp::OnFileOpen() {
    const QString path = chooseFile();
    if (!path.isEmpty())
        openDocumentFile(path);
}

void CQuillonApp::OnFileNew() {
    if (doc->OnNewDocument())
        showNewDocument();
}

void CQuillonApp::lookOnOtherDiscs(const std::string& photoXmlPath) {
    const auto discs =
        photoXmlPath.empty() ? nullptr : DiscSearch::forDelivery(photoXmlPath, mountPoints);
    if (!discs) {
        images->lookElsewhere({});
        return;
    }
    images->lookElsewhere([discs](const std::string& path, const std::string& medium) {
        return discs->find(path, medium);
    });
}

void CQuillonApp::showNewDocument() {
    lookOnOtherDiscs({});
    mainFrame->showSplitDisplay();
    mainFrame->stopSlideShow();
    mainFrame->showReadStopNotice({});
    doc->sendInitialUpdate();
}

void CQuillonApp::OnAppAbout() {
    CAboutDlg(mainFrame.get()).exec();
}

void CQuillonApp::openRecentFile(int index) {
    if (index < 0 || index >= recent.files().size())
        return;
    // An entry whose file cannot be opened any more has been reported; it leaves the list.
    if (!openDocumentFile(recent.files()[index])) {
        recent.remove(index);
        mainFrame->refreshRecentFiles();
    }
}

QString CQuillonApp::askForFile() {
    const auto dialog = makeOpenDialog(mainFrame.get(), openDialogFolder());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    profile.setValue(lastFolderKey, dialog->directory().absolutePath());
    return dialog->selectedFiles().first();
}

QString CQuillonApp::openDialogFolder() const {
    if (!doc->pathName().empty())
        return QFileInfo(QString::fromStdString(doc->pathName())).absolutePath();
    return profile.value(lastFolderKey, QDir::homePath()).toString();
}

void CQuillonApp::showMessage(std::string_view text) {
    // A message that interrupts a load is answered with the ordinary pointer.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    messageBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
               QMessageBox::Information);
    QApplication::restoreOverrideCursor();
}

void CQuillonApp::showWarning(const QString& text) {
    messageBox(text, QMessageBox::Warning);
}

std::optional<OptionValues> CQuillonApp::runOptionsDialog(const OptionValues& shown) {
    COptionDlg dialog(mainFrame.get());
    dialog.setValues(shown);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

OptionValues CQuillonApp::savedOptions() const {
    return {static_cast<unsigned>(settings.photoSlideInterval), settings.browseMode};
}

void CQuillonApp::saveOptions(const OptionValues& options) {
    settings.photoSlideInterval = static_cast<int>(options.slideInterval);
    settings.browseMode = options.browseMode;
    std::error_code failure;
    if (!settings.writeToIni(&failure)) {
        showWarning(QString("オプションを保存できませんでした。\n%1\n%2\n"
                            "変更したオプションは TESSEL を終了するまで有効です。")
                        .arg(QString::fromStdString(settings.iniPath),
                             QString::fromStdString(systemErrorText(failure.value()))));
    }
}

bool CQuillonApp::updateCommand(CommandId id, CommandState& state) {
    switch (id) {
    case CommandId::FileOpen:
    case CommandId::FileNew:
    case CommandId::AppAbout:
    case CommandId::AppExit:
        state.enabled = true;
        return true;
    default:
        return false;
    }
}

bool CQuillonApp::executeCommand(CommandId id) {
    switch (id) {
    case CommandId::FileOpen:
        OnFileOpen();
        return true;
    case CommandId::FileNew:
        OnFileNew();
        return true;
    case CommandId::AppAbout:
        OnAppAbout();
        return true;
    case CommandId::AppExit:
        mainFrame->close();
        return true;
    default:
        return false;
    }
}

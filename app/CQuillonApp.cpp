#include "app/CQuillonApp.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/COptionDlg.h"
#include "app/OpenDialog.h"
#include "app/SlideShow.h"
#include "app/WindowPlacement.h"
#include "document/BrowsePosition.h"
#include "document/SystemErrorText.h"
#include "views/PlainText.h"

CQuillonApp::CQuillonApp(AppSettings settings, QSettings& profile,
                         std::shared_ptr<WorkService> work, std::unique_ptr<DecodeExecutor> decodes)
    : settings(std::move(settings)), profile(profile), recent(profile), work(std::move(work)),
      images(
          std::make_unique<ImagePipeline>(decodes ? std::move(decodes) : decodesIn(*this->work))),
      reader(*this->work, WorkLane::Single), searchPreparation(*this->work, WorkLane::Background) {
    messageBox = [this](const QString& text, QMessageBox::Icon icon) {
        QMessageBox box(icon, "TESSEL", text, QMessageBox::Ok, mainFrame.get());
        box.exec();
    };
    chooseFile = [this] { return askForFile(); };
    const auto always = [] { return true; };
    add(CommandId::FileOpen, always, [this] { OnFileOpen(); });
    add(CommandId::FileNew, always, [this] { OnFileNew(); });
    add(CommandId::AppAbout, always, [this] { OnAppAbout(); });
    add(CommandId::AppExit, always, [this] { mainFrame->close(); });
}

CQuillonApp::~CQuillonApp() {
    if (!mainFrame)
        return;
    if (reader.pending())
        cancelOpen(); // a read a disc no longer answers is left behind, busy pointer and all
    saveWindowPlacement(*mainFrame, profile);
}

bool CQuillonApp::InitInstance(const QStringList& arguments) {
    // Read before the document exists: it copies the browse mode when constructed.
    settings.readFromIni();
    doc = std::make_unique<CQuillonDoc>(*this);
    mainFrame =
        std::make_unique<CMainFrame>(*doc, images->loader(), *work, settings, *this, recent);
    connect(mainFrame.get(), &CMainFrame::recentFileChosen, this, &CQuillonApp::openRecentFile);
    connect(mainFrame.get(), &CMainFrame::deliveryDropped, this,
            [this](const QString& path) { openDocumentFile(path); });
    connect(mainFrame.get(), &CMainFrame::readCancelled, this, &CQuillonApp::cancelOpen);
    restoreWindowPlacement(*mainFrame, profile);
    if (arguments.size() > 1) {
        // A file that cannot be opened at all ends the program before its window shows.
        if (!doc->checkOpenable(absolutePath(arguments[1]).toStdString()))
            return false;
        openDocumentFile(arguments[1]);
    } else {
        OnFileNew();
    }
    mainFrame->show();
    return true;
}

QString CQuillonApp::absolutePath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

void CQuillonApp::openDocumentFile(const QString& path) {
    const std::string absolute = absolutePath(path).toStdString();
    mainFrame->slideShow().stop();
    showReading(true);
    reader.run<DeliveryRead>(
        [absolute, load = doc->loadPhotoXml, mountPoints = mountPoints] {
            return readDelivery(absolute, load, mountPoints);
        },
        [this](DeliveryRead read) { finishOpen(std::move(read)); });
}

void CQuillonApp::cancelOpen() {
    reader.cancel();
    showReading(false);
}

void CQuillonApp::showReading(bool reading) {
    // Reading a large file from a CD takes seconds: the pointer says the program is at work.
    if (reading && !reader.pending())
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!reading && mainFrame->showsReading())
        QApplication::restoreOverrideCursor();
    mainFrame->showReading(reading);
}

void CQuillonApp::finishOpen(DeliveryRead read) {
    showReading(false);
    const QString path = QString::fromStdString(read.delivery.path);
    if (read.outcome == DeliveryRead::Outcome::Read)
        images->loader().forgetAll(); // the delivery shown before is closed
    lastOpenSucceeded = doc->adoptDelivery(std::move(read));
    if (!lastOpenSucceeded) {
        // A load that failed after the file was opened leaves nothing open.
        if (!doc->isOpen())
            showNewDocument();
        forgetRecentFile(path);
        return;
    }
    recent.add(path);
    mainFrame->refreshRecentFiles();
    showDelivery();
    prepareSearch();
}

void CQuillonApp::prepareSearch() {
    const std::uint64_t delivery = doc->delivery().number;
    searchPreparation.run<std::shared_ptr<const PhotoSearch>>(
        doc->searchPreparation(), [this, delivery](std::shared_ptr<const PhotoSearch> prepared) {
            doc->adoptSearch(std::move(prepared), delivery);
        });
}

void CQuillonApp::OnFileOpen() {
    const QString path = chooseFile();
    if (!path.isEmpty())
        openDocumentFile(path);
}

void CQuillonApp::OnFileNew() {
    if (reader.pending())
        cancelOpen();
    if (doc->OnNewDocument())
        showNewDocument();
}

void CQuillonApp::showNewDocument() {
    images->loader().forgetAll();
    mainFrame->showSplitDisplay();
    mainFrame->slideShow().stop();
    showDelivery();
}

void CQuillonApp::showDelivery() {
    mainFrame->showReadStopNotice(QString::fromStdString(doc->delivery().notice));
    doc->sendInitialUpdate();
    mainFrame->setWindowTitle(QString::fromStdString(windowTitleFor(*doc)));
}

void CQuillonApp::OnAppAbout() {
    CAboutDlg(mainFrame.get()).exec();
}

void CQuillonApp::openRecentFile(int index) {
    if (index >= 0 && index < recent.files().size())
        openDocumentFile(recent.files()[index]);
}

void CQuillonApp::forgetRecentFile(const QString& path) {
    // An entry whose file cannot be opened any more has been reported; it leaves the list.
    const qsizetype index = recent.files().indexOf(path);
    if (index == -1)
        return;
    recent.remove(static_cast<int>(index));
    mainFrame->refreshRecentFiles();
}

QString CQuillonApp::askForFile() {
    const auto dialog = makeOpenDialog(mainFrame.get(), openDialogFolder());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    profile.setValue(lastFolderKey, dialog->directory().absolutePath());
    return dialog->selectedFiles().first();
}

QString CQuillonApp::openDialogFolder() const {
    if (doc->isOpen())
        return QFileInfo(QString::fromStdString(doc->pathName())).absolutePath();
    return profile.value(lastFolderKey, QDir::homePath()).toString();
}

void CQuillonApp::showMessage(std::string_view text) {
    // A message that interrupts a load is answered with the ordinary pointer.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    messageBox(qStringOf(text), QMessageBox::Information);
    QApplication::restoreOverrideCursor();
}

void CQuillonApp::showWarning(const QString& text) {
    messageBox(text, QMessageBox::Warning);
}

std::optional<OptionChoice> CQuillonApp::runOptionsDialog(const OptionValues& shown) {
    COptionDlg dialog(mainFrame.get());
    dialog.setValues(shown);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

OptionValues CQuillonApp::savedOptions() const {
    // A hand-edited interval out of range is shown as the slideshow uses it.
    return {
        static_cast<unsigned>(slideShowIntervalMilliseconds(settings.photoSlideInterval) / 1000),
        static_cast<BrowseMode>(settings.browseMode)};
}

void CQuillonApp::saveOptions(const OptionValues& options) {
    settings.photoSlideInterval = static_cast<int>(options.slideInterval);
    settings.browseMode = static_cast<int>(options.browseMode);
    std::error_code failure;
    if (!settings.writeToIni(&failure)) {
        showWarning(QString("オプションを保存できませんでした。\n%1\n%2\n"
                            "変更したオプションは TESSEL を終了するまで有効です。")
                        .arg(QString::fromStdString(settings.iniPath),
                             QString::fromStdString(systemErrorText(failure.value()))));
    }
}

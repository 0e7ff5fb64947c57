#include "app/AlbumControl.h"

#include <atomic>

#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QStatusBar>

#include "document/AlbumContent.h"
#include "views/PlainText.h"

// One album under way: what the worker reports, and where it writes.
struct AlbumControl::Job {
    AlbumSource source;
    std::unique_ptr<QPrinter> printer; // null when a PDF is saved
    QString path;
    std::atomic<bool> stopped = false;
    std::atomic<int> done = 0;
    std::atomic<int> total = 0;
    AlbumOutcome outcome;
    QString error;

    AlbumProgress progress() {
        return [this](int photosDone, int photos) {
            done = photosDone;
            total = photos;
            return !stopped;
        };
    }
};

AlbumControl::AlbumControl(CQuillonDoc& document, ImageLoader& images, WorkService& work,
                           QWidget& window)
    : QObject(&window), document(document), window(window), work(work),
      progress(new QProgressDialog(&window)) {
    chooseAlbum = [this, &images](const QString& accept) -> std::optional<AlbumChoice> {
        CAlbumDlg dialog(this->document, images, accept, &this->window);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    };
    choosePdfFile = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(&this->window, "写真帳をPDFに保存", suggested,
                                            "PDF (*.pdf)");
    };
    choosePrinter = [this]() -> std::unique_ptr<QPrinter> {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), &this->window);
        return dialog.exec() == QDialog::Accepted ? std::move(printer) : nullptr;
    };
    showError = [this](const QString& message) {
        QMessageBox::warning(&this->window, "TESSEL", message);
    };
    showStatus = [this](const QString& message) {
        if (auto* frame = qobject_cast<QMainWindow*>(&this->window))
            frame->statusBar()->showMessage(message);
    };
    progress->setWindowTitle("写真帳");
    progress->setCancelButtonText("中止");
    progress->setWindowModality(Qt::NonModal); // the viewer stays usable meanwhile
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    progress->reset(); // not shown until an album starts
    connect(progress, &QProgressDialog::canceled, this, &AlbumControl::cancel);
    progressTimer.setInterval(100);
    connect(&progressTimer, &QTimer::timeout, this, &AlbumControl::showProgress);
}

AlbumControl::~AlbumControl() {
    cancel();
    albumJob.cancel();
}

std::shared_ptr<AlbumControl::Job> AlbumControl::jobFromDialog(const QString& accept) const {
    const auto choice = chooseAlbum(accept);
    if (!choice)
        return nullptr;
    auto job = std::make_shared<Job>();
    PhotoList photos;
    albumPhotos(document, choice->scope, photos);
    job->source = albumSourceFor(document.delivery(), photos, choice->photosPerPage, &work);
    if (choice->cover)
        addAlbumCover(job->source, document.delivery().data, albumScopeName(choice->scope));
    return job;
}

void AlbumControl::print() {
    const auto job = jobFromDialog("印刷...");
    if (!job || !(job->printer = choosePrinter()))
        return;
    start(job, [](Job& job) {
        return printAlbum(job.source, *job.printer, job.progress(), &job.error);
    });
}

void AlbumControl::savePdf() {
    const auto job = jobFromDialog("保存...");
    if (!job)
        return;
    const QString name = QString::fromStdString(job->source.constructionName);
    job->path = choosePdfFile((name.isEmpty() ? QString("写真帳") : name + " 写真帳") + ".pdf");
    if (job->path.isEmpty())
        return;
    start(job,
          [](Job& job) { return saveAlbumPdf(job.source, job.path, job.progress(), &job.error); });
}

void AlbumControl::start(std::shared_ptr<Job> job, Paint paint) {
    cancel();
    underway = job;
    job->total = int(job->source.photos.size());
    progress->setRange(0, job->total);
    showProgress();
    progress->show();
    progressTimer.start();
    albumJob = work.run(
        WorkLane::Single, [job, paint = std::move(paint)] { job->outcome = paint(*job); },
        [this, job] { finish(job); });
}

void AlbumControl::cancel() {
    if (!underway)
        return;
    underway->stopped = true;
    endProgress();
}

void AlbumControl::endProgress() {
    underway.reset();
    progressTimer.stop();
    // Without auto-close, reset only rewinds the dialog; it must be hidden as well.
    progress->reset();
    progress->hide();
}

void AlbumControl::finish(const std::shared_ptr<Job>& job) {
    if (job == underway)
        endProgress();
    if (job->stopped)
        return;
    const bool printed = job->path.isEmpty();
    if (job->outcome.complete)
        showStatus(QString(printed ? "写真帳を印刷しました（%1 ページ）"
                                   : "写真帳を保存しました（%1 ページ）")
                       .arg(groupedNumber(job->outcome.pages)));
    else if (printed)
        showError(QString("写真帳を印刷できませんでした。\n%1").arg(job->error));
    else
        showError(QString("%1 を保存できませんでした。\n%2").arg(job->path, job->error));
}

QString AlbumControl::progressText() const {
    if (!underway)
        return {};
    return QString("写真帳を作成中 %1 / %2")
        .arg(groupedNumber(underway->done.load()), groupedNumber(underway->total.load()));
}

void AlbumControl::showProgress() {
    if (!underway)
        return;
    progress->setLabelText(progressText());
    progress->setValue(underway->done);
}

bool AlbumControl::showsProgress() const {
    return !progress->isHidden();
}

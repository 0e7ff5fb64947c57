#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QTimer>

#include "document/CQuillonDoc.h"
#include "views/AlbumPrinting.h"
#include "views/CAlbumDlg.h"
#include "work/WorkService.h"

class ImageLoader;
class QPrinter;
class QProgressDialog;
class QWidget;

// The photo album from the ファイル menu: its dialog, then printing through the platform's
// print dialog or saving a PDF, as a single job of the work service behind a progress dialog
// that can stop it, while the viewer goes on working. One album at a time.
class AlbumControl : public QObject {
public:
    AlbumControl(CQuillonDoc& document, ImageLoader& images, WorkService& work, QWidget& window);
    ~AlbumControl() override;

    void print();
    void savePdf();
    bool running() const { return static_cast<bool>(underway); }
    void cancel();
    // What the progress dialog says while an album is made.
    QString progressText() const;

    // Replaceable for tests: the dialogs, the messages.
    std::function<std::optional<AlbumChoice>(const QString& accept)> chooseAlbum;
    std::function<QString(const QString& suggested)> choosePdfFile;
    std::function<std::unique_ptr<QPrinter>()> choosePrinter;
    std::function<void(const QString& message)> showError;
    std::function<void(const QString& message)> showStatus;
    // Whether the progress dialog is on screen.
    bool showsProgress() const;

private:
    struct Job;
    using Paint = std::function<AlbumOutcome(Job& job)>;

    // A job for the album the dialog asks for; null when it was cancelled.
    std::shared_ptr<Job> jobFromDialog(const QString& accept) const;
    void start(std::shared_ptr<Job> job, Paint paint);
    void finish(const std::shared_ptr<Job>& job);
    void endProgress();
    void showProgress();

    CQuillonDoc& document;
    QWidget& window;
    WorkService& work;
    WorkHandle albumJob; // its hand-back reaches this control only while it lives
    QTimer progressTimer;
    QProgressDialog* progress;
    std::shared_ptr<Job> underway;
};

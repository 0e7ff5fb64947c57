#include "app/CheckControl.h"

#include <unordered_set>

#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>

#include "check/FindingFormats.h"
#include "jobs/CheckRun.h"
#include "views/CFindBar.h"
#include "views/CFindingsView.h"
#include "views/CXmlTreeView.h"
#include "views/ElidedLabel.h"
#include "views/PlainText.h"

CheckControl::CheckControl(CQuillonDoc& document, WorkService& work, QMainWindow& window,
                           CXmlTreeView& tree, CFindBar& finder)
    : QObject(&window), document(document), tree(tree), finder(finder),
      checks(new CheckRun(document, work, this)), pane(new CFindingsView(document)),
      findingsDock(new QDockWidget(pane->title(), &window)), progressBar(new QProgressBar),
      status(new ElidedLabel) {
    findingsDock->setObjectName("findingsDock");
    findingsDock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    findingsDock->setWidget(pane);
    window.addDockWidget(Qt::BottomDockWidgetArea, findingsDock);
    findingsDock->hide(); // until a check has something to show
    connect(pane, &CFindingsView::titleChanged, findingsDock, &QDockWidget::setWindowTitle);

    progressBar->setMaximumWidth(160);
    progressBar->setTextVisible(false);
    progressBar->hide();
    window.statusBar()->addPermanentWidget(progressBar);
    window.statusBar()->addPermanentWidget(status);
    connect(checks, &CheckRun::started, this, [this] { showProgress(0, 0); });
    connect(checks, &CheckRun::progressed, this, &CheckControl::showProgress);
    connect(checks, &CheckRun::finished, this, &CheckControl::showResult);
    connect(checks, &CheckRun::cancelled, this, &CheckControl::clearStatus);
    connect(checks, &CheckRun::cleared, this, [this] {
        clearStatus();
        pane->clear();
    });
}

void CheckControl::startOrCancel() {
    if (checks->running())
        checks->cancel();
    else
        checks->start();
}

void CheckControl::cancel() {
    checks->cancel();
}

bool CheckControl::running() const {
    return checks->running();
}

QString CheckControl::statusText() const {
    return status->text();
}

void CheckControl::showProgress(std::size_t done, std::size_t total) {
    progressBar->setRange(0, static_cast<int>(total)); // 0 to 0: busy, the count still unknown
    progressBar->setValue(static_cast<int>(done));
    progressBar->show();
    // Before the files are counted there is nothing to count against.
    status->setText(total == 0
                        ? QString("チェック中…")
                        : QString("チェック中 %1 / %2 ファイル")
                              .arg(groupedNumber(qint64(done)), groupedNumber(qint64(total))));
}

void CheckControl::showResult() {
    progressBar->hide();
    status->setText(QString::fromStdString(summaryLine(checks->findings())));
    pane->showFindings(checks->findings());
    findingsDock->show();
    markPhotos();
}

void CheckControl::clearStatus() {
    progressBar->hide();
    status->clear();
}

void CheckControl::markPhotos() {
    const PhotoList& photos = document.photoData().photos;
    std::unordered_set<const PhotoRecord*> faulty;
    std::unordered_set<const PhotoRecord*> flagged;
    for (const Finding& finding : checks->findings()) {
        if (finding.position < 0 || static_cast<std::size_t>(finding.position) >= photos.size())
            continue;
        const PhotoRecord* photo = &photos[static_cast<std::size_t>(finding.position)];
        flagged.insert(photo);
        if (finding.level == Level::Error)
            faulty.insert(photo);
    }
    tree.showErrorCounts(countPerNode(
        document.rootNode(), [&](const PhotoRecord& photo) { return faulty.contains(&photo); }));
    finder.setFlaggedPhotos(std::move(flagged));
}

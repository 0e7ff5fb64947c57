#include "jobs/CheckRun.h"

#include "check/DeliveryCheck.h"
#include "imaging/MediaFileProbe.h"

// What one check works on: the delivery's data with a share of its records, so that the
// document may change meanwhile, and what the workers report.
struct CheckRun::Job {
    explicit Job(const CQuillonDoc& document)
        : data(document.photoData().sharingRecords()),
          input(checkInputFor(data, document.delivery())) {}

    PhotoDataSet data;
    CheckInput input;
    CheckProgress progress;
    CheckResult result;
};

CheckRun::CheckRun(CQuillonDoc& document, WorkService& work, QObject* parent)
    : QObject(parent), probe(std::make_shared<MediaFileProbe>()), document(document), work(work) {
    progressTimer.setInterval(100);
    connect(&progressTimer, &QTimer::timeout, this,
            [this] { Q_EMIT progressed(filesDone(), filesTotal()); });
    document.addView(*this);
}

CheckRun::~CheckRun() {
    document.removeView(*this);
    cancel();
}

void CheckRun::start() {
    cancel();
    auto job = std::make_shared<Job>(document);
    underway = job;
    progressTimer.start();
    Q_EMIT started();
    checkJob = work.run(
        WorkLane::Single,
        [job, probe = probe, &work = work] {
            job->result = checkDelivery(job->input, *probe, job->progress,
                                        spreadIn(work, WorkLane::Background));
        },
        [this, job] { finish(job); });
}

void CheckRun::cancel() {
    if (!underway)
        return;
    underway->progress.cancelled = true;
    underway.reset();
    checkJob.cancel();
    progressTimer.stop();
    Q_EMIT cancelled();
}

void CheckRun::finish(const std::shared_ptr<Job>& job) {
    if (job != underway)
        return; // cancelled or replaced
    underway.reset();
    progressTimer.stop();
    found = std::move(job->result.findings);
    checked = true;
    Q_EMIT finished();
}

std::size_t CheckRun::filesDone() const {
    return underway ? underway->progress.filesDone.load() : 0;
}

std::size_t CheckRun::filesTotal() const {
    return underway ? underway->progress.filesTotal.load() : 0;
}

void CheckRun::onUpdate(DocumentView*, UpdateHint hint) {
    if (hint != UpdateHint::HINT_CLEAR)
        return;
    cancel();
    found.clear();
    checked = false;
    Q_EMIT cleared();
}

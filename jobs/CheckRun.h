#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QTimer>

#include "check/Finding.h"
#include "document/CQuillonDoc.h"
#include "document/DocumentView.h"
#include "media/FileProbe.h"
#include "work/WorkService.h"

// Checks the open delivery as a single job of the work service, its probes spread over the
// background lane, while the window goes on working. One check at a time; cancelling, or a
// new delivery taking the document's place, drops the one under way, and the findings of the
// last check are forgotten with the delivery they describe.
class CheckRun : public QObject, public DocumentView {
    Q_OBJECT

public:
    CheckRun(CQuillonDoc& document, WorkService& work, QObject* parent = nullptr);
    ~CheckRun() override;

    // Checks the delivery as the document holds it now, replacing a check under way.
    void start();
    void cancel();
    bool running() const { return static_cast<bool>(underway); }
    // Files probed so far, and of how many, in the check under way.
    std::size_t filesDone() const;
    std::size_t filesTotal() const;
    // In file order; those of the last check that ran to its end.
    const std::vector<Finding>& findings() const { return found; }
    bool hasFindings() const { return checked; }

    void onUpdate(DocumentView* sender, UpdateHint hint) override;

    // Replaceable for tests: how files are looked at.
    std::shared_ptr<const FileProbe> probe;

Q_SIGNALS:
    void started();
    // Now and then while a check runs.
    void progressed(std::size_t done, std::size_t total);
    void finished();
    void cancelled();
    // The findings were forgotten with their delivery.
    void cleared();

private:
    struct Job;
    void finish(const std::shared_ptr<Job>& job);

    CQuillonDoc& document;
    WorkService& work;
    WorkHandle checkJob; // its hand-back reaches this run only while it lives
    QTimer progressTimer;
    std::shared_ptr<Job> underway;
    std::vector<Finding> found;
    bool checked = false;
};

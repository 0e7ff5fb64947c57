#pragma once

#include <QSettings>
#include <QStringList>

#include "app/CMainFrame.h"
#include "app/CQuillonApp.h"
#include "tests/support/ManualExecutor.h"
#include "tests/support/ManualWork.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"

// The application with its settings, profile and messages kept in the test's folder; its
// images are decoded when the test calls settle(), its other work at once unless the test
// holds its lane (or, when asked, on threads).
struct TestApp {
    QSettings profile{QString::fromStdString((scratchFolder() / "profile.ini").string()),
                      QSettings::IniFormat};
    ManualExecutor* decoder = new ManualExecutor; // owned by the application's loader
    std::shared_ptr<ManualWork> work;             // null when work runs on threads
    CQuillonApp app;
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    QString fileToChoose;

    explicit TestApp(bool threadedWork = false)
        : work(threadedWork ? nullptr : std::make_shared<ManualWork>()),
          app(AppSettings((scratchFolder() / "TESSEL.ini").string()), profile,
              work ? std::shared_ptr<WorkService>(work) : ThreadedWork::make(),
              std::unique_ptr<DecodeExecutor>(decoder)) {
        app.messageBox = [this](const QString& text, QMessageBox::Icon icon) {
            messages.append(text);
            icons.append(icon);
        };
        app.chooseFile = [this] { return fileToChoose; };
    }

    CMainFrame& frame() { return app.frame(); }
    CommandSet& commands() { return frame().commands(); }
    bool enabled(CommandId id) { return commands().state(id).enabled; }
    void settle() { decoder->runAll(); }
    // Opens path as the open command does, waiting for a read on a thread; whether it was
    // opened.
    bool open(const QString& path) {
        app.openDocumentFile(path);
        while (!work && app.reading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return app.lastOpenSucceeded && !app.reading();
    }
};

// A delivery of photos numbered 1, 2, … in the test's folder.
inline QString writeDelivery(const std::string& name, int photos) {
    std::vector<TestPhoto> entries;
    for (int i = 0; i < photos; ++i)
        entries.emplace_back(std::to_string(i + 1));
    return QString::fromStdString(writeScratchFile(name, testDeliveryXml(entries)).string());
}

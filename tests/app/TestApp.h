#pragma once

#include <deque>
#include <utility>

#include <QSettings>
#include <QStringList>

#include "app/CMainFrame.h"
#include "app/CQuillonApp.h"
#include "tests/support/ManualExecutor.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"

// Reads a delivery at once, on the calling thread, unless held: then when the test says.
class TestReads : public DeliveryReader::Executor {
public:
    bool held = false;

    void execute(DeliveryReader::Work work, DeliveryReader::Done done) override {
        waiting.emplace_back(std::move(work), std::move(done));
        if (!held)
            runAll();
    }
    void runAll() {
        while (!waiting.empty()) {
            auto [work, done] = std::move(waiting.front());
            waiting.pop_front();
            done(work());
        }
    }

private:
    std::deque<std::pair<DeliveryReader::Work, DeliveryReader::Done>> waiting;
};

// The application with its settings, profile and messages kept in the test's folder; its
// images are decoded when the test calls settle().
struct TestApp {
    QSettings profile{QString::fromStdString((scratchFolder() / "profile.ini").string()),
                      QSettings::IniFormat};
    ManualExecutor* decoder = new ManualExecutor; // owned by the application's loader
    TestReads* reads; // owned by the application's reader; null when reads run on threads
    CQuillonApp app;
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    QString fileToChoose;

    explicit TestApp(bool threadedReads = false)
        : reads(threadedReads ? nullptr : new TestReads),
          app(AppSettings((scratchFolder() / "TESSEL.ini").string()), profile,
              std::make_unique<ImagePipeline>(std::unique_ptr<DecodeExecutor>(decoder)),
              reads ? std::unique_ptr<DeliveryReader::Executor>(reads)
                    : DeliveryReader::makeThreadExecutor()) {
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
    // Opens path as the open command does; whether it was opened.
    bool open(const QString& path) {
        app.openDocumentFile(path);
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

#pragma once

#include <QSettings>
#include <QStringList>

#include "app/CMainFrame.h"
#include "app/CQuillonApp.h"
#include "tests/support/ManualExecutor.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/TestDelivery.h"

// The application with its settings, profile and messages kept in the test's folder; its
// images are decoded when the test calls settle().
struct TestApp {
    QSettings profile{QString::fromStdString((scratchFolder() / "profile.ini").string()),
                      QSettings::IniFormat};
    ManualExecutor* decoder = new ManualExecutor; // owned by the application's loader
    CQuillonApp app{AppSettings((scratchFolder() / "TESSEL.ini").string()), profile,
                    std::make_unique<ImageLoader>(std::unique_ptr<DecodeExecutor>(decoder))};
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    QString fileToChoose;

    TestApp() {
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
};

// A delivery of photos numbered 1, 2, … in the test's folder.
inline QString writeDelivery(const std::string& name, int photos) {
    std::vector<TestPhoto> entries;
    for (int i = 0; i < photos; ++i)
        entries.emplace_back(std::to_string(i + 1));
    return QString::fromStdString(writeScratchFile(name, testDeliveryXml(entries)).string());
}

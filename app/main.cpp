// tessel [--help] [--version] [FILE | FOLDER]: the viewer, opening the delivery named.

#include <cstdio>

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include "app/ApplicationSetup.h"
#include "app/CQuillonApp.h"
#include "app/CommandLine.h"
#include "document/CQuillonDoc.h"

namespace {

// Read before any window exists, so that --help and --version work without a display.
CommandLine readCommandLine(int argc, char** argv) {
    QCoreApplication console(argc, argv);
    setUpApplication(console);
    return parseCommandLine(QCoreApplication::arguments());
}

void showInMessageBox(int argc, char** argv, const QString& text) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    QApplication application(argc, argv);
    setUpApplication(application);
    QMessageBox box(QMessageBox::Information, "TESSEL", text, QMessageBox::Ok);
    box.exec();
}

} // namespace

int main(int argc, char** argv) {
    prepareDocumentReading(); // before the reading thread and the decoders start
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitStatus) {
        std::fputs(qPrintable(commandLine.output), stdout);
        std::fputs(qPrintable(commandLine.error), stderr);
        if (!commandLine.errorForWindow.isEmpty())
            showInMessageBox(argc, argv, commandLine.errorForWindow);
        return *commandLine.exitStatus;
    }
    QApplication application(argc, argv);
    setUpApplication(application);
    QSettings profile; // the recent-file list and the window, in the user's configuration
    CQuillonApp tessel(AppSettings{}, profile);
    QStringList arguments{QApplication::applicationFilePath()};
    if (!commandLine.fileToOpen.isEmpty())
        arguments.append(commandLine.fileToOpen);
    if (!tessel.InitInstance(arguments))
        return 1;
    if (!commandLine.errorForWindow.isEmpty()) {
        // As for a file that is no photo XML file: the window stays open with the reason.
        std::fputs(qPrintable(commandLine.error), stderr);
        QTimer::singleShot(0, &tessel, [&tessel, &commandLine] {
            tessel.showMessage(commandLine.errorForWindow.toStdString());
        });
    }
    return QApplication::exec();
}

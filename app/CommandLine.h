#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// What the command line asks for: the delivery to open (empty for none), or to end at once
// with a text for standard output or standard error and an exit status.
struct CommandLine {
    QString fileToOpen;
    std::optional<int> exitStatus;
    QString output;
    QString error;
    // Said in a message box as well when a display is at hand: started from a file manager,
    // nobody reads standard error.
    QString errorForWindow;
};

// tessel [--help] [--version] [FILE | FOLDER]: a photo XML file, a delivery folder or the root
// of a disc. A wrong argument ends with status 2 and says why.
CommandLine parseCommandLine(const QStringList& arguments);

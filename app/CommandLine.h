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
    // Said in a message box as well: started from a file manager, nobody reads standard error.
    // Without an exit status the window opens empty and says it there.
    QString errorForWindow;
};

// tessel [--help] [--version] [FILE | FOLDER]: a photo XML file, a delivery folder, the root
// of a disc or its INDEX_C.XML. A wrong argument ends with status 2 and says why; a path that
// names no delivery opens the window empty with the reason.
CommandLine parseCommandLine(const QStringList& arguments);

#pragma once

#include "commands/CommandTarget.h"

// The layout, open, options and tree commands, which a full-window view disables while it is
// active.
bool isOffInFullWindowViews(CommandId id);

// The commands of a view that shows photos: print what it shows, and reload it (F5).
class ImageViewCommands : public CommandTarget {
public:
    bool updateCommand(CommandId id, CommandState& state) override;
    bool executeCommand(CommandId id) override;

    virtual bool canPrint() const { return true; }
    // Asks for a printer, then prints what the view shows.
    virtual void print() = 0;
    // Reads what the view shows from the media again: a missing file may have appeared.
    virtual void reload() = 0;
};

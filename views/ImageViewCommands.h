#pragma once

#include <array>

#include "commands/CommandHandlers.h"

// The layout, open, options and tree commands, which a full-window view disables while it is
// active.
inline constexpr std::array offInFullWindowViews{CommandId::FourPhotos, CommandId::OnePhoto,
                                                 CommandId::Thumbnails, CommandId::FileOpen,
                                                 CommandId::Options,    CommandId::ToggleTree};

// The commands of a view that shows photos: print what it shows, and reload it (F5).
class ImageViewCommands : public CommandHandlers {
public:
    ImageViewCommands();

    virtual bool canPrint() const { return true; }
    // Asks for a printer, then prints what the view shows.
    virtual void print() = 0;
    // Reads what the view shows from the media again: a missing file may have appeared.
    virtual void reload() = 0;
};

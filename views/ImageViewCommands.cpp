#include "views/ImageViewCommands.h"

bool isOffInFullWindowViews(CommandId id) {
    switch (id) {
    case CommandId::FourPhotos:
    case CommandId::OnePhoto:
    case CommandId::FileOpen:
    case CommandId::Options:
    case CommandId::ToggleTree:
        return true;
    default:
        return false;
    }
}

bool ImageViewCommands::updateCommand(CommandId id, CommandState& state) {
    if (id == CommandId::FilePrint)
        state.enabled = canPrint();
    else if (id == CommandId::Reload)
        state.enabled = true;
    else
        return false;
    return true;
}

bool ImageViewCommands::executeCommand(CommandId id) {
    if (id == CommandId::FilePrint)
        print();
    else if (id == CommandId::Reload)
        reload();
    else
        return false;
    return true;
}

#include "views/ImageViewCommands.h"

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

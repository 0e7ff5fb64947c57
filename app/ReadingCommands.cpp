#include "app/ReadingCommands.h"

namespace {

bool goesOnWhileReading(CommandId id) {
    switch (id) {
    case CommandId::FileOpen:
    case CommandId::FileNew:
    case CommandId::AppAbout:
    case CommandId::AppExit:
    case CommandId::ViewToolBar:
    case CommandId::ViewStatusBar:
        return true;
    default:
        return false;
    }
}

} // namespace

bool ReadingCommands::updateCommand(CommandId id, CommandState& state) {
    if (goesOnWhileReading(id))
        return false;
    state = {id == CommandId::EndDisplay, false};
    return true;
}

bool ReadingCommands::executeCommand(CommandId id) {
    if (id != CommandId::EndDisplay)
        return false;
    cancel();
    return true;
}

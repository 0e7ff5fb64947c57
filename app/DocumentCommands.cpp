#include "app/DocumentCommands.h"

namespace {

bool isLayoutCommand(CommandId id) {
    return id == CommandId::FourPhotos || id == CommandId::OnePhoto;
}

} // namespace

bool DocumentCommands::updateCommand(CommandId id, CommandState& state) {
    if (id == CommandId::Options) {
        state.enabled = true;
        return true;
    }
    if (!isLayoutCommand(id))
        return false;
    state.enabled = true;
    state.checked = document.fourPhotoLayout() == (id == CommandId::FourPhotos);
    return true;
}

bool DocumentCommands::executeCommand(CommandId id) {
    if (id == CommandId::Options) {
        document.OnOptions();
        return true;
    }
    if (!isLayoutCommand(id))
        return false;
    // Both commands flip the layout, so the one already checked switches to the other.
    document.OnTogglePhotoLayout();
    return true;
}

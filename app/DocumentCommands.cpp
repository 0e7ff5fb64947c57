#include "app/DocumentCommands.h"

DocumentCommands::DocumentCommands(CQuillonDoc& document) {
    add(
        CommandId::Options, [] { return true; }, [&document] { document.OnOptions(); });
    // Both commands flip the layout, so the one already checked switches to the other.
    addChecked(
        CommandId::FourPhotos,
        [&document] {
            return CommandState{true, document.fourPhotoLayout()};
        },
        [&document] { document.OnTogglePhotoLayout(); });
    addChecked(
        CommandId::OnePhoto,
        [&document] {
            return CommandState{true, !document.fourPhotoLayout()};
        },
        [&document] { document.OnTogglePhotoLayout(); });
}

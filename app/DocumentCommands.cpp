#include "app/DocumentCommands.h"

DocumentCommands::DocumentCommands(CQuillonDoc& document) {
    add(
        CommandId::Options, [] { return true; }, [&document] { document.OnOptions(); });
}

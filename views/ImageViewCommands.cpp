#include "views/ImageViewCommands.h"

ImageViewCommands::ImageViewCommands() {
    add(
        CommandId::FilePrint, [this] { return canPrint(); }, [this] { print(); });
    add(
        CommandId::Reload, [] { return true; }, [this] { reload(); });
}

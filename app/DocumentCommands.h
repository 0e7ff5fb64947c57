#pragma once

#include "commands/CommandHandlers.h"
#include "document/CQuillonDoc.h"

// The document's place on the command route: the options.
class DocumentCommands : public CommandHandlers {
public:
    explicit DocumentCommands(CQuillonDoc& document);
};

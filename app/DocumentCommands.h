#pragma once

#include "commands/CommandTarget.h"
#include "document/CQuillonDoc.h"

// The document's place on the command route: the photo layout commands and the options.
class DocumentCommands : public CommandTarget {
public:
    explicit DocumentCommands(CQuillonDoc& document) : document(document) {}

    bool updateCommand(CommandId id, CommandState& state) override;
    bool executeCommand(CommandId id) override;

private:
    CQuillonDoc& document;
};

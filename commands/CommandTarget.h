#pragma once

#include "commands/CommandId.h"

// Whether a command can be chosen now, and its check mark.
struct CommandState {
    bool enabled = false;
    bool checked = false;
};

// One link of the command route (active view, document, frame, application): the first
// target that handles a command decides its state and carries it out.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // False when this target does not handle id; otherwise fills state.
    virtual bool updateCommand(CommandId id, CommandState& state) = 0;
    // Carries out id, which updateCommand reported enabled. False when not handled here.
    virtual bool executeCommand(CommandId id) = 0;
};

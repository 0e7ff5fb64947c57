#pragma once

#include <functional>
#include <vector>

#include "commands/CommandTarget.h"

// A command target whose commands stand in one table: for each command, when it is enabled
// (and checked), and what it does. A command not in the table is not handled here.
class CommandHandlers : public CommandTarget {
public:
    using State = std::function<CommandState()>;
    using Action = std::function<void()>;

    // id is enabled while enabled says so.
    void add(CommandId id, std::function<bool()> enabled, Action action);
    // id is handled here but never enabled: the full-window views switch commands off.
    void disable(CommandId id);
    // id is enabled and checked as state says.
    void addChecked(CommandId id, State state, Action action);

    bool updateCommand(CommandId id, CommandState& state) override;
    bool executeCommand(CommandId id) override;

private:
    struct Handler {
        CommandId id;
        State state;
        Action action;
    };
    const Handler* find(CommandId id) const;

    std::vector<Handler> handlers;
};

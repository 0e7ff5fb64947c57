#include "commands/CommandHandlers.h"

#include <algorithm>

void CommandHandlers::add(CommandId id, std::function<bool()> enabled, Action action) {
    addChecked(
        id,
        [enabled = std::move(enabled)] {
            return CommandState{enabled(), false};
        },
        std::move(action));
}

void CommandHandlers::disable(CommandId id) {
    addChecked(
        id, [] { return CommandState{}; }, [] {});
}

void CommandHandlers::addChecked(CommandId id, State state, Action action) {
    handlers.push_back({id, std::move(state), std::move(action)});
}

const CommandHandlers::Handler* CommandHandlers::find(CommandId id) const {
    const auto found = std::find_if(handlers.begin(), handlers.end(),
                                    [id](const Handler& handler) { return handler.id == id; });
    return found == handlers.end() ? nullptr : &*found;
}

bool CommandHandlers::updateCommand(CommandId id, CommandState& state) {
    const Handler* handler = find(id);
    if (!handler)
        return false;
    state = handler->state();
    return true;
}

bool CommandHandlers::executeCommand(CommandId id) {
    const Handler* handler = find(id);
    if (!handler)
        return false;
    handler->action();
    return true;
}

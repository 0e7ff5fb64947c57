#pragma once

#include <functional>

#include "commands/CommandTarget.h"

// First on the command route while a delivery is read: Esc cancels the read; opening another,
// a new document, the bars, the program's information and leaving go on as ever; every other
// command waits, since it would act on the document that is about to be replaced.
class ReadingCommands : public CommandTarget {
public:
    explicit ReadingCommands(std::function<void()> cancel) : cancel(std::move(cancel)) {}

    bool updateCommand(CommandId id, CommandState& state) override;
    bool executeCommand(CommandId id) override;

private:
    std::function<void()> cancel;
};

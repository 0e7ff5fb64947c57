#pragma once

#include <functional>
#include <map>
#include <vector>

#include <QAction>
#include <QObject>

#include "commands/CommandTarget.h"

// One action per command. A command goes along the route (active view, document, frame,
// application) to the first target that handles it; a command no target handles is
// disabled. States are refreshed whenever the event loop goes idle, and checked again when
// a command arrives, so a disabled command never runs, whether from menu, toolbar or key.
class CommandSet : public QObject {
public:
    using Route = std::function<std::vector<CommandTarget*>()>;

    CommandSet(QWidget* window, Route route);

    QAction* action(CommandId id) const { return actions.at(id); }
    CommandState state(CommandId id) const;
    void refresh();
    // Carries out id when it is enabled now; false when it did nothing.
    bool execute(CommandId id);
    // From now on no target is asked anything: the window's parts are going.
    void detach();

private:
    QAction* makeAction(QWidget* window, CommandId id);

    Route route;
    std::map<CommandId, QAction*> actions; // owned by the window
};

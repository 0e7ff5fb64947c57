#include "commands/CommandSet.h"

#include <QAbstractEventDispatcher>
#include <QIcon>
#include <QWidget>

#include "commands/CommandTable.h"

CommandSet::CommandSet(QWidget* window, Route route) : QObject(window), route(std::move(route)) {
    for (const CommandInfo& info : commandTable())
        actions[info.id] = makeAction(window, info.id);
    // Menus and toolbars show what can be done now: checked whenever the event loop goes idle,
    // so that no handler has to remember to refresh them.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &CommandSet::refresh);
}

QAction* CommandSet::makeAction(QWidget* window, CommandId id) {
    const CommandInfo& info = commandInfo(id);
    auto* action = new QAction(window);
    action->setText(info.menuText ? QString::fromUtf8(info.menuText) : info.tooltip());
    action->setStatusTip(info.prompt());
    action->setToolTip(info.tooltip().isEmpty() ? info.prompt() : info.tooltip());
    if (info.key != QKeyCombination())
        action->setShortcut(QKeySequence(info.key));
    if (info.icon)
        action->setIcon(QIcon(QString::fromUtf8(info.icon)));
    action->setCheckable(info.checkable);
    action->setEnabled(false);
    window->addAction(action); // keys work also for commands on no menu
    connect(action, &QAction::triggered, this, [this, id] { execute(id); });
    return action;
}

void CommandSet::detach() {
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        disconnect(dispatcher, nullptr, this, nullptr);
    route = [] { return std::vector<CommandTarget*>(); };
}

CommandState CommandSet::state(CommandId id) const {
    CommandState state;
    for (CommandTarget* target : route()) {
        if (target && target->updateCommand(id, state))
            return state;
    }
    return {};
}

void CommandSet::refresh() {
    for (auto& [id, action] : actions) {
        const CommandState current = state(id);
        action->setEnabled(current.enabled);
        if (action->isCheckable())
            action->setChecked(current.checked);
    }
}

bool CommandSet::execute(CommandId id) {
    bool done = false;
    if (state(id).enabled) {
        for (CommandTarget* target : route()) {
            if (target && target->executeCommand(id)) {
                done = true;
                break;
            }
        }
    }
    refresh();
    return done;
}

#pragma once

#include <vector>

#include <QSize>

#include "commands/CommandId.h"

// What the main window's menus and toolbars hold, in order.
struct MenuEntry {
    enum class Kind { Command, Separator, RecentFiles };
    Kind kind;
    CommandId id = CommandId::FileNew; // for a command

    static MenuEntry command(CommandId id) { return {Kind::Command, id}; }
};

struct MenuLayout {
    const char* title;
    std::vector<MenuEntry> entries;
};

struct ToolBarLayout {
    const char* title;
    const char* objectName; // the name its place is kept under
    QSize iconSize;
    std::vector<MenuEntry> entries;
};

const std::vector<MenuLayout>& frameMenus();
const std::vector<ToolBarLayout>& frameToolBars();

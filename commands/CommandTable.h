#pragma once

#include <span>

#include <QKeySequence>
#include <QString>

#include "commands/CommandId.h"

// How a command presents itself: its menu text as it stands in the menu, its key, its string
// ("prompt\ntooltip") and its toolbar image.
struct CommandInfo {
    CommandId id;
    const char* menuText; // null when the command is on no menu
    QKeyCombination key;
    const char* string;
    const char* icon; // resource path, or null when the command is on no toolbar
    bool checkable;

    QString prompt() const;  // the status-bar text
    QString tooltip() const; // empty when the string has no tooltip part
};

std::span<const CommandInfo> commandTable();
const CommandInfo& commandInfo(CommandId id);

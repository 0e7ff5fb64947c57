#pragma once

#include <string>

// Where TESSEL.ini lives: beside the program when a TESSEL.ini is there (a portable copy on a
// stick), otherwise in the user's configuration folder, $XDG_CONFIG_HOME/TESSEL (or
// ~/.config/TESSEL when that is not set), where an installed program can write.
std::string settingsFilePath(const std::string& programFolder, const std::string& configHome,
                             const std::string& home);
// The same for this process: its executable's folder and its environment.
std::string settingsFilePath();

// The folder of the running executable, links resolved, with a trailing separator.
std::string executableFolder();

#include "settings/SettingsLocation.h"

#include <cstdlib>
#include <filesystem>

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string settingsFilePath(const std::string& programFolder, const std::string& configHome,
                             const std::string& home) {
    const std::filesystem::path portable = std::filesystem::path(programFolder) / "TESSEL.ini";
    std::error_code error;
    if (!programFolder.empty() && std::filesystem::is_regular_file(portable, error))
        return portable.string();
    // The XDG rule: a relative XDG_CONFIG_HOME is to be ignored.
    const std::filesystem::path config = !configHome.empty() && configHome.front() == '/'
                                             ? std::filesystem::path(configHome)
                                             : std::filesystem::path(home) / ".config";
    return (config / "TESSEL" / "TESSEL.ini").string();
}

std::string settingsFilePath() {
    return settingsFilePath(executableFolder(), environment("XDG_CONFIG_HOME"),
                            environment("HOME"));
}

std::string executableFolder() {
    std::error_code error;
    const auto executable = std::filesystem::canonical("/proc/self/exe", error);
    if (error)
        return {};
    return executable.parent_path().string() + "/";
}

#include "settings/AppSettings.h"

#include <filesystem>
#include <utility>

#include "settings/PrivateProfile.h"

namespace {

constexpr const char* section = "Option";
constexpr const char* intervalKey = "PhotoSlideInterval";
constexpr const char* browseModeKey = "BrowseMode";

} // namespace

std::string executableFolder() {
    std::error_code error;
    const auto executable = std::filesystem::canonical("/proc/self/exe", error);
    if (error)
        return {};
    return executable.parent_path().string() + "/";
}

AppSettings::AppSettings() : AppSettings(executableFolder() + "TESSEL.ini") {}

AppSettings::AppSettings(std::string iniPath) : iniPath(std::move(iniPath)) {}

int AppSettings::readFromIni() {
    photoSlideInterval = readProfileInt(iniPath, section, intervalKey, defaultPhotoSlideInterval);
    browseMode = readProfileInt(iniPath, section, browseModeKey, 0) != 0 ? 1 : 0;
    return 1;
}

int AppSettings::writeToIni() const {
    // Written as unsigned: the options dialog allows only 1 to 100.
    const bool intervalWritten = writeProfileString(
        iniPath, section, intervalKey, std::to_string(static_cast<unsigned>(photoSlideInterval)));
    const bool modeWritten = writeProfileString(iniPath, section, browseModeKey,
                                                std::to_string(browseMode != 0 ? 1 : 0));
    return intervalWritten && modeWritten ? 1 : 0;
}

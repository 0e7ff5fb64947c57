#include "settings/AppSettings.h"

#include <filesystem>
#include <utility>

#include "settings/PrivateProfile.h"
#include "settings/SettingsLocation.h"

namespace {

constexpr const char* section = "Option";
constexpr const char* intervalKey = "PhotoSlideInterval";
constexpr const char* browseModeKey = "BrowseMode";

} // namespace

AppSettings::AppSettings() : AppSettings(settingsFilePath()) {}

AppSettings::AppSettings(std::string iniPath) : iniPath(std::move(iniPath)) {}

int AppSettings::readFromIni() {
    photoSlideInterval = readProfileInt(iniPath, section, intervalKey, defaultPhotoSlideInterval);
    browseMode = readProfileInt(iniPath, section, browseModeKey, 0) != 0 ? 1 : 0;
    return 1;
}

int AppSettings::writeToIni(std::error_code* failure) const {
    // The configuration folder of a new user does not exist yet.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(iniPath).parent_path(), ignored);
    // Written as unsigned: the options dialog allows only 1 to 100.
    return writeProfileStrings(
               iniPath, section,
               {{intervalKey, std::to_string(static_cast<unsigned>(photoSlideInterval))},
                {browseModeKey, std::to_string(browseMode != 0 ? 1 : 0)}},
               failure)
               ? 1
               : 0;
}

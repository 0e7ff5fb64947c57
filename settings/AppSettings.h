#pragma once

#include <string>
#include <system_error>

// The two settings that persist between runs, kept in TESSEL.ini (see settingsFilePath).
class AppSettings {
public:
    static constexpr int defaultPhotoSlideInterval = 10;

    // Settings in the TESSEL.ini of this user, or the portable one beside the program.
    AppSettings();
    explicit AppSettings(std::string iniPath);

    std::string iniPath;
    int photoSlideInterval = defaultPhotoSlideInterval; // seconds
    int browseMode = 0;                                 // 0 all photos, 1 the chosen node

    // Values missing from the file keep their defaults; any non-zero browse mode reads as 1.
    int readFromIni();
    // Writes both keys; a file that cannot be written is left as it was. 1 when both were
    // written, else 0, and failure (when given) says why; the values still hold for this run.
    int writeToIni(std::error_code* failure = nullptr) const;
};

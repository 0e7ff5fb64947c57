#pragma once

#include <string>

// The two settings that persist between runs, kept in TESSEL.ini beside the executable.
class AppSettings {
public:
    static constexpr int defaultPhotoSlideInterval = 10;

    // Settings in TESSEL.ini in the folder of the running executable.
    AppSettings();
    explicit AppSettings(std::string iniPath);

    std::string iniPath;
    int photoSlideInterval = defaultPhotoSlideInterval; // seconds
    int browseMode = 0;                                 // 0 or 1

    // Values missing from the file keep their defaults; any non-zero browse mode reads as 1.
    int readFromIni();
    // Writes both keys; a file that cannot be written is left as it was. 1 when both were
    // written, else 0 (the user is not told: the values still hold for this run).
    int writeToIni() const;
};

// The folder of the running executable, links resolved, with a trailing separator.
std::string executableFolder();

#include "settings/AppSettings.h"

#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/resource.h>

#include <gtest/gtest.h>

#include "settings/PrivateProfile.h"
#include "settings/SettingsLocation.h"
#include "tests/support/ScratchFiles.h"

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

AppSettings settingsFrom(const std::string& iniText) {
    AppSettings settings(writeScratchFile("TESSEL.ini", iniText).string());
    settings.readFromIni();
    return settings;
}

} // namespace

TEST(AppSettingsRead, MissingFileSectionOrKeyGiveTheDefaults) {
    AppSettings missing((scratchFolder() / "absent" / "TESSEL.ini").string());
    missing.readFromIni();
    EXPECT_EQ(missing.photoSlideInterval, 10);
    EXPECT_EQ(missing.browseMode, 0);
    EXPECT_FALSE(std::filesystem::exists(missing.iniPath)); // reading never creates it

    const AppSettings otherSection = settingsFrom("[Other]\nPhotoSlideInterval=3\nBrowseMode=1\n");
    EXPECT_EQ(otherSection.photoSlideInterval, 10);
    EXPECT_EQ(otherSection.browseMode, 0);

    const AppSettings partial = settingsFrom("[Option]\nBrowseMode=1\n");
    EXPECT_EQ(partial.photoSlideInterval, 10);
    EXPECT_EQ(partial.browseMode, 1);
}

TEST(AppSettingsRead, HandEditedFilesReadAsThePlatformReadsThem) {
    const AppSettings edited = settingsFrom("; settings\r\n[Misc]\r\nBrowseMode=0\r\n"
                                            "  [ option ]  \r\n  photoslideinterval =  250 \r\n"
                                            ";BrowseMode=0\r\nBROWSEMODE=7\r\n");
    EXPECT_EQ(edited.photoSlideInterval, 250);
    EXPECT_EQ(edited.browseMode, 1);

    EXPECT_EQ(settingsFrom("[Option]\nPhotoSlideInterval=-5\n").photoSlideInterval, -5);
    EXPECT_EQ(settingsFrom("[Option]\nPhotoSlideInterval=12s\n").photoSlideInterval, 12);
    EXPECT_EQ(settingsFrom("[Option]\nPhotoSlideInterval=abc\n").photoSlideInterval, 0);
    EXPECT_EQ(settingsFrom("[Option]\nPhotoSlideInterval=99999999999\n").photoSlideInterval,
              INT_MAX);
    EXPECT_EQ(settingsFrom("[Option]\nBrowseMode=x\n").browseMode, 0);
    // Enclosing quotes are dropped, as the platform drops them.
    EXPECT_EQ(settingsFrom("[Option]\nPhotoSlideInterval=\"20\"\n").photoSlideInterval, 20);
    EXPECT_EQ(settingsFrom("[Option]\nPhotoSlideInterval= '7' \n").photoSlideInterval, 7);
    EXPECT_EQ(settingsFrom("[Option]\nBrowseMode=\"1\"\n").browseMode, 1);
    EXPECT_EQ(settingsFrom("[Option]\nPhotoSlideInterval=\"5\n").photoSlideInterval, 0);
    // The first of two sections of the same name is the one read.
    EXPECT_EQ(settingsFrom("[Option]\nA=1\n[Option]\nPhotoSlideInterval=5\n").photoSlideInterval,
              10);
}

TEST(AppSettingsWrite, DefaultsMakeExactlyThreeLines) {
    const auto path = scratchFolder() / "TESSEL.ini";
    std::filesystem::remove(path);
    EXPECT_EQ(AppSettings(path.string()).writeToIni(), 1);
    EXPECT_EQ(readFile(path), "[Option]\nPhotoSlideInterval=10\nBrowseMode=0\n");
}

TEST(AppSettingsWrite, KeepsEveryOtherLineOfTheFile) {
    const auto path = writeScratchFile("TESSEL.ini", "; hand-written\r\n[option]\r\n"
                                                     "browsemode=1\r\nOther=x\r\n\r\n"
                                                     "[Window]\r\nLeft=3\r\n");
    AppSettings settings(path.string());
    settings.photoSlideInterval = 25;
    settings.browseMode = 0;
    settings.writeToIni();
    EXPECT_EQ(readFile(path), "; hand-written\r\n[option]\r\nbrowsemode=0\r\nOther=x\r\n"
                              "PhotoSlideInterval=25\r\n\r\n[Window]\r\nLeft=3\r\n");
    settings.readFromIni();
    EXPECT_EQ(settings.photoSlideInterval, 25);
}

TEST(AppSettingsWrite, AppendsTheSectionToAFileWithoutIt) {
    const auto path = writeScratchFile("TESSEL.ini", "[Window]\nLeft=3");
    EXPECT_TRUE(writeProfileString(path.string(), "Option", "BrowseMode", "1"));
    EXPECT_EQ(readFile(path), "[Window]\nLeft=3\n[Option]\nBrowseMode=1\n");
}

TEST(AppSettingsWrite, AnUnwritableFileIsLeftAsItWas) {
    const auto folderInTheWay = scratchFolder() / "TESSEL.ini";
    std::filesystem::create_directories(folderInTheWay / "keep");
    AppSettings settings(folderInTheWay.string());
    settings.photoSlideInterval = 30;
    EXPECT_EQ(settings.writeToIni(), 0); // the caller learns of it
    EXPECT_TRUE(std::filesystem::is_directory(folderInTheWay / "keep"));
    EXPECT_EQ(settings.photoSlideInterval, 30); // the value still holds for the run

    const auto noFolder = writeScratchFile("plain-file", "x") / "TESSEL.ini";
    EXPECT_FALSE(writeProfileString(noFolder.string(), "Option", "BrowseMode", "1"));
}

TEST(AppSettingsPath, TheFileBesideTheProgramIsTheOneRead) {
    // The test executable stands in for the program; its folder is in the build tree.
    const auto besideProgram = std::filesystem::canonical("/proc/self/exe").parent_path();
    const auto ini = besideProgram / "TESSEL.ini";
    std::ofstream(ini) << "[Option]\nPhotoSlideInterval=42\n";
    AppSettings settings;
    settings.readFromIni();
    std::filesystem::remove(ini);
    EXPECT_EQ(settings.photoSlideInterval, 42);
}

TEST(AppSettingsPath, APortableFileWinsElseTheUsersConfigurationFolder) {
    const auto program = scratchFolder() / "bin";
    std::filesystem::create_directories(program);
    struct Case {
        std::string configHome;
        std::string expected;
    };
    for (const Case& test :
         {Case{"/xdg", "/xdg/TESSEL/TESSEL.ini"}, Case{"", "/home/u/.config/TESSEL/TESSEL.ini"},
          Case{"relative", "/home/u/.config/TESSEL/TESSEL.ini"}})
        EXPECT_EQ(settingsFilePath(program.string(), test.configHome, "/home/u"), test.expected);
    std::ofstream(program / "TESSEL.ini") << "[Option]\n";
    EXPECT_EQ(settingsFilePath(program.string(), "/xdg", "/home/u"),
              (program / "TESSEL.ini").string());
}

TEST(AppSettingsWrite, ANewUsersFolderIsMade) {
    const auto ini = scratchFolder() / "config" / "TESSEL" / "TESSEL.ini";
    std::filesystem::remove_all(scratchFolder() / "config");
    EXPECT_EQ(AppSettings(ini.string()).writeToIni(), 1);
    EXPECT_EQ(readFile(ini), "[Option]\nPhotoSlideInterval=10\nBrowseMode=0\n");
}

TEST(AppSettingsWrite, AWriteCutShortLeavesTheOldFileWhole) {
    const std::string old =
        "; kept\n[Option]\nPhotoSlideInterval=42\nBrowseMode=1\n" + std::string(200, ';') + "\n";
    const auto path = writeScratchFile("TESSEL.ini", old);
    // A disc that fills up after a few bytes: every longer write fails part-way.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = before;
    full.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &full);
    AppSettings settings(path.string());
    settings.photoSlideInterval = 7;
    const int written = settings.writeToIni();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(readFile(path), old);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".new"));
}

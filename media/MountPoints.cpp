#include "media/MountPoints.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "media/FolderEntries.h"

namespace fs = std::filesystem;

namespace {

// The kernel writes a space in a mount point as \040, a backslash as \134.
std::string unescaped(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            text += static_cast<char>(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

} // namespace

std::vector<std::string> systemMountPoints() {
    std::vector<std::string> points;
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device;
        std::string mountPoint;
        if (fields >> device >> mountPoint)
            points.push_back(unescaped(mountPoint));
    }
    const std::vector<std::string> media = removableMediaFolders(userMediaRoots());
    points.insert(points.end(), media.begin(), media.end());
    return points;
}

std::string fileSystemTypeOf(const std::string& path) {
    std::error_code error;
    const std::string absolute = fs::weakly_canonical(path, error).string();
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    std::string type;
    std::size_t longest = 0;
    // The deepest mount point above path holds it.
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device;
        std::string mountPoint;
        std::string mountType;
        if (!(fields >> device >> mountPoint >> mountType))
            continue;
        mountPoint = unescaped(mountPoint);
        const bool above =
            absolute == mountPoint || mountPoint == "/" || absolute.starts_with(mountPoint + "/");
        if (above && mountPoint.size() >= longest) {
            longest = mountPoint.size();
            type = mountType;
        }
    }
    return type;
}

std::vector<std::string> userMediaRoots() {
    const char* user = std::getenv("USER");
    const std::string name = user ? user : "";
    return {"/media/" + name, "/run/media/" + name};
}

std::vector<std::string> removableMediaFolders(const std::vector<std::string>& mediaRoots) {
    std::vector<std::string> folders;
    for (const std::string& root : mediaRoots) {
        std::vector<std::string> inRoot;
        std::error_code error;
        for (const auto& entry : folderEntries(root)) {
            if (entry.is_directory(error))
                inRoot.push_back(entry.path().string());
        }
        std::sort(inRoot.begin(), inRoot.end());
        folders.insert(folders.end(), inRoot.begin(), inRoot.end());
    }
    return folders;
}

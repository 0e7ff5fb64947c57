#include "document/DiscSearch.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

std::string normalFolder(const std::string& path) {
    return fs::path(path).lexically_normal().string();
}

} // namespace

DiscSearch::DiscSearch(std::string root, DiscLabel label, MountPoints mountPoints)
    : root(std::move(root)), label(std::move(label)), mountPoints(std::move(mountPoints)) {}

std::shared_ptr<const DiscSearch> DiscSearch::forDelivery(const std::string& photoXmlPath,
                                                          MountPoints mountPoints) {
    const auto index = findConstructionIndex(photoXmlPath);
    const auto label = index ? readDiscLabel(*index) : std::nullopt;
    return label ? forDisc(*index, *label, std::move(mountPoints)) : nullptr;
}

std::shared_ptr<const DiscSearch> DiscSearch::forDisc(const std::string& indexPath, DiscLabel label,
                                                      MountPoints mountPoints) {
    const std::string root = normalFolder(fs::path(indexPath).parent_path().string());
    return std::shared_ptr<const DiscSearch>(
        new DiscSearch(root, std::move(label), std::move(mountPoints)));
}

std::optional<std::string> DiscSearch::find(const std::string& path,
                                            const std::string& medium) const {
    const fs::path relative = fs::path(path).lexically_normal().lexically_relative(root);
    if (relative.empty() || relative.begin()->string() == "..")
        return std::nullopt; // not on the open delivery's disc
    for (const std::string& mountPoint : mountPoints()) {
        if (normalFolder(mountPoint) == root)
            continue;
        const auto other = labelOf(mountPoint);
        if (!other || !other->sameConstruction(label) || other->mediumNumber != medium)
            continue;
        return mountPoint + "/./" + relative.string();
    }
    return std::nullopt;
}

std::optional<DiscLabel> DiscSearch::labelOf(const std::string& mountPoint) const {
    const auto index = findIndexAtRoot(mountPoint);
    if (!index)
        return std::nullopt;
    std::error_code error;
    const long long modified = fs::last_write_time(*index, error).time_since_epoch().count();
    const std::lock_guard lock(mutex);
    const auto key = std::make_pair(mountPoint, modified);
    const auto found = labels.find(key);
    if (found != labels.end())
        return found->second;
    return labels[key] = readDiscLabel(*index);
}

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
        for (const auto& entry : fs::directory_iterator(root, error)) {
            if (entry.is_directory(error))
                inRoot.push_back(entry.path().string());
        }
        std::sort(inRoot.begin(), inRoot.end());
        folders.insert(folders.end(), inRoot.begin(), inRoot.end());
    }
    return folders;
}

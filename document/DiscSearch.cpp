#include "document/DiscSearch.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// Mount points escape spaces and the like as \ooo.
std::string unescaped(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size() &&
                           field.find_first_not_of("01234567", i + 1) >= i + 4;
        if (octal) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0'));
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
    if (!label)
        return nullptr;
    const std::string root = normalFolder(fs::path(*index).parent_path().string());
    return std::shared_ptr<const DiscSearch>(new DiscSearch(root, *label, std::move(mountPoints)));
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
    const char* user = std::getenv("USER");
    for (const char* media : {"/media/", "/run/media/"}) {
        std::error_code error;
        for (const auto& entry :
             fs::directory_iterator(std::string(media) + (user ? user : ""), error))
            points.push_back(entry.path().string());
    }
    return points;
}

#include "media/DiscSearch.h"

#include <filesystem>

#include "media/DeliveryLocation.h"

namespace fs = std::filesystem;

namespace {

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

std::vector<DiscSearch::Disc> DiscSearch::discsOfDelivery() const {
    std::vector<Disc> discs{{root, label}};
    for (const std::string& mountPoint : mountPoints()) {
        if (normalFolder(mountPoint) == root)
            continue;
        const auto other = labelOf(mountPoint);
        if (other && other->sameConstruction(label))
            discs.push_back({mountPoint, *other});
    }
    return discs;
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

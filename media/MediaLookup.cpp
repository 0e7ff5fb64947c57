#include "media/MediaLookup.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "media/DiscSearch.h"
#include "media/NameLookup.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string_view> components(std::string_view relative) {
    std::vector<std::string_view> parts;
    while (!relative.empty()) {
        const std::size_t slash = relative.find('/');
        parts.push_back(relative.substr(0, slash));
        relative.remove_prefix(slash == std::string_view::npos ? relative.size() : slash + 1);
    }
    return parts;
}

// Where the part to match without regard to case starts: after the "./" that joins the
// folder of the XML file to PIC or DRA, or at the file name of any other path.
std::size_t matchedPartStart(const std::string& path) {
    const std::size_t marker = path.rfind("/./");
    if (marker != std::string::npos)
        return marker + 3;
    if (path.starts_with("./"))
        return 2;
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

bool leavesDeliveryFolder(const std::string& located) {
    const std::size_t marker = located.rfind("/./");
    if (marker == std::string::npos)
        return false;
    std::error_code error;
    const fs::path folder = fs::canonical(located.substr(0, marker), error);
    const fs::path target = error ? fs::path() : fs::canonical(located, error);
    if (error)
        return false; // gone meanwhile: it shows as missing
    const auto [end, inside] =
        std::mismatch(folder.begin(), folder.end(), target.begin(), target.end());
    return end != folder.end();
}

std::optional<std::string> locateMediaFile(const std::string& path) {
    std::error_code error;
    if (fs::is_regular_file(path, error))
        return path;
    const std::size_t start = matchedPartStart(path);
    std::string located = path.substr(0, start);
    const std::vector<std::string_view> parts = components(std::string_view(path).substr(start));
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            located += '/';
        const auto name = entryIgnoringCase(located, parts[i]);
        if (!name)
            return std::nullopt;
        located += *name;
    }
    // A folder of the photo's name is not the photo.
    if (parts.empty() || !fs::is_regular_file(located, error))
        return std::nullopt;
    return located;
}

std::optional<std::string> locate(const MediaFile& file) {
    if (file.path.empty())
        return std::nullopt;
    if (auto here = locateMediaFile(file.path))
        return here;
    if (!file.otherDiscs || file.medium.empty())
        return std::nullopt;
    const auto there = file.otherDiscs->find(file.path, file.medium);
    return there ? locateMediaFile(*there) : std::nullopt;
}

#include "imaging/MediaLookup.h"

#include <filesystem>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string foldedCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

// Folder listings by folded name, kept while the folder is unchanged, so that stepping
// through thousands of photos on a lower-case disc does not list PIC for every photo.
class FolderIndex {
public:
    std::optional<std::string> find(const std::string& folder, std::string_view name) {
        std::lock_guard lock(mutex);
        std::error_code error;
        const auto modified = fs::last_write_time(folder.empty() ? "." : folder, error);
        if (error)
            return std::nullopt;
        Listing& listing = listings[folder];
        if (!listing.valid || listing.modified != modified)
            listing = list(folder, modified);
        const auto found = listing.names.find(foldedCase(name));
        if (found == listing.names.end())
            return std::nullopt;
        return found->second;
    }

    void clear() {
        std::lock_guard lock(mutex);
        listings.clear();
    }

private:
    struct Listing {
        bool valid = false;
        fs::file_time_type modified;
        std::unordered_map<std::string, std::string> names; // folded → actual
    };

    static Listing list(const std::string& folder, fs::file_time_type modified) {
        Listing listing{true, modified, {}};
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, error)) {
            const std::string name = entry.path().filename().string();
            auto [place, added] = listing.names.emplace(foldedCase(name), name);
            if (!added && name < place->second)
                place->second = name; // the same choice whatever order the folder lists in
        }
        return listing;
    }

    std::mutex mutex;
    std::unordered_map<std::string, Listing> listings;
};

FolderIndex& folderIndex() {
    static FolderIndex index;
    return index;
}

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
        std::string exact = located + std::string(parts[i]);
        if (fs::exists(exact, error)) {
            located = std::move(exact);
            continue;
        }
        const auto name = folderIndex().find(located, parts[i]);
        if (!name)
            return std::nullopt;
        located += *name;
    }
    // A folder of the photo's name is not the photo.
    if (parts.empty() || !fs::is_regular_file(located, error))
        return std::nullopt;
    return located;
}

void forgetFolderListings() {
    folderIndex().clear();
}

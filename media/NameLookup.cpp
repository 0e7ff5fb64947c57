#include "media/NameLookup.h"

#include <filesystem>
#include <mutex>
#include <unordered_map>

#include "media/FolderEntries.h"

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
        for (const auto& entry : folderEntries(folder.empty() ? "." : folder)) {
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

} // namespace

std::optional<std::string> entryIgnoringCase(const std::string& folder, std::string_view name) {
    std::error_code error;
    if (fs::exists(fs::path(folder.empty() ? "." : folder) / name, error))
        return std::string(name);
    return folderIndex().find(folder, name);
}

void forgetFolderListings() {
    folderIndex().clear();
}

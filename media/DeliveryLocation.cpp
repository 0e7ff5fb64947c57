#include "media/DeliveryLocation.h"

#include <algorithm>
#include <filesystem>

#include "media/NameLookup.h"

namespace fs = std::filesystem;

namespace {

// The entry of folder named name in any case that is a file (or, when folder is asked for, a
// folder), as a whole path.
std::optional<std::string> entryOfKind(const fs::path& folder, const char* name, bool isFolder) {
    const auto entry = entryIgnoringCase(folder.string(), name);
    if (!entry)
        return std::nullopt;
    std::error_code error;
    const fs::path path = folder / *entry;
    const bool fits = isFolder ? fs::is_directory(path, error) : fs::is_regular_file(path, error);
    return fits ? std::optional(path.string()) : std::nullopt;
}

bool isConstructionIndex(const fs::path& file) {
    std::string name = file.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return name == "INDEX_C.XML";
}

} // namespace

std::optional<std::string> deliveryFileAt(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error)
        return std::nullopt;
    if (fs::is_regular_file(absolute, error)) {
        // INDEX_C.XML is the file a user finds at a disc's root: it stands for the disc.
        const auto beside = isConstructionIndex(absolute)
                                ? deliveryFileAt(absolute.parent_path().string())
                                : std::nullopt;
        return beside ? *beside : absolute.lexically_normal().string();
    }
    if (!fs::is_directory(absolute, error))
        return std::nullopt;
    const fs::path folder = absolute.lexically_normal();
    if (const auto file = entryOfKind(folder, "PHOTO.XML", false))
        return file;
    const auto photoFolder = entryOfKind(folder, "PHOTO", true);
    return photoFolder ? entryOfKind(*photoFolder, "PHOTO.XML", false) : std::nullopt;
}

std::optional<std::string> findIndexAtRoot(const std::string& root) {
    return entryOfKind(root, "INDEX_C.XML", false);
}

std::optional<std::string> findConstructionIndex(const std::string& photoXmlPath) {
    std::error_code error;
    const fs::path discRoot = fs::absolute(photoXmlPath, error).parent_path().parent_path();
    if (error)
        return std::nullopt;
    return findIndexAtRoot(discRoot.string());
}

IndexBeside readIndexBeside(const std::string& photoXmlPath) {
    IndexBeside found;
    found.path = findConstructionIndex(photoXmlPath).value_or("");
    if (!found.path.empty())
        found.index = readDiscIndex(found.path);
    return found;
}

#include "media/DeliveryFiles.h"

#include <algorithm>
#include <filesystem>

#include "media/FolderEntries.h"
#include "media/NameLookup.h"

namespace fs = std::filesystem;

bool isPlainFileName(std::string_view name) {
    // The separators of both platforms: a delivery made on Windows writes a backslash.
    constexpr std::string_view forbidden("/\\\0", 3);
    return name != "." && name != ".." && name.find_first_of(forbidden) == std::string_view::npos;
}

DeliveryFolders deliveryFoldersOf(const std::string& photoXmlPath) {
    const std::size_t slash = photoXmlPath.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : photoXmlPath.substr(0, slash + 1);
    return {folder + "./PIC/", folder + "./DRA/"};
}

std::string fileInFolder(const std::string& folder, std::string_view name) {
    return isPlainFileName(name) ? folder + std::string(name) : std::string();
}

std::vector<std::string> filesInMediaFolder(const std::string& folder) {
    // "X/./PIC/": the folder X as written, PIC in any case.
    const std::size_t marker = folder.rfind("/./");
    const std::string parent = folder.substr(0, marker + 1);
    std::string name = folder.substr(marker + 3);
    if (name.ends_with('/'))
        name.pop_back();
    std::vector<std::string> files;
    const auto located = entryIgnoringCase(parent, name);
    if (marker == std::string::npos || !located)
        return files;
    std::error_code error;
    for (const auto& entry : folderEntries(parent + *located)) {
        if (entry.is_regular_file(error))
            files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

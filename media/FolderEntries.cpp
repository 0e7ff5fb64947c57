#include "media/FolderEntries.h"

namespace fs = std::filesystem;

std::vector<fs::directory_entry> folderEntries(const std::string& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
        entries.push_back(*entry);
    return entries;
}

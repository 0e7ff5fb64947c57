#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The entries of folder, or as many as could be read: a scratched disc may fail part-way
// through a listing, and that must end the listing, never the program (the iterator's plain
// increment throws, and on a worker thread that terminates).
std::vector<std::filesystem::directory_entry> folderEntries(const std::string& folder);

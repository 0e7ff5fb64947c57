#pragma once

#include <string>
#include <string_view>
#include <vector>

// The photo and drawing files of a delivery: the folders beside its photo XML file, and the
// names its records give them.

// A file name from the delivery is one name inside PIC or DRA: no path separator of either
// platform, no NUL, not "." or "..". Any other name is never opened. (An empty name is the
// folder itself, which is no file: it shows as missing.)
bool isPlainFileName(std::string_view name);

// The photo and drawing folders of the photo XML file at photoXmlPath, written as folder +
// "./PIC/" and "./DRA/" so that the part after "./" is matched without regard to case.
struct DeliveryFolders {
    std::string photos;
    std::string drawings;
};
DeliveryFolders deliveryFoldersOf(const std::string& photoXmlPath);

// The path of name in folder; empty for a name that is not plain.
std::string fileInFolder(const std::string& folder, std::string_view name);

// The names of the regular files in a delivery folder as deliveryFoldersOf writes it (its
// last name matched without regard to case), sorted; empty when the folder is not there.
std::vector<std::string> filesInMediaFolder(const std::string& folder);

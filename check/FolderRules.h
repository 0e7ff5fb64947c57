#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "check/DeliveryCheck.h"

// What the delivery's folders hold against what the standard lays out: PHOTO holds its photo
// XML file, that file's DTD, style sheets, PIC and DRA, and nothing else; PIC and DRA hold
// files only, each named by a record; the folder names are upper case. Each finding names its path
// inside the delivery in its file column.
std::vector<Finding> folderFindings(const CheckInput& input);

// The folder that holds the photo XML file, PIC and DRA.
std::filesystem::path deliveryFolderOf(const CheckInput& input);
// The root of the disc the delivery stands on, above its PHOTO folder; nothing for a delivery
// folder copied alone (named anything else).
std::optional<std::filesystem::path> discRootOf(const CheckInput& input);

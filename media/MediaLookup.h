#pragma once

#include <optional>
#include <string>

// The file to open for a path built as folder + "./PIC/" + file name (or "./DRA/"): the path
// as written when it exists, otherwise the entry whose folder and file names match without
// regard to case (an ISO 9660 disc mounted on Linux shows pic/p0000001.jpg). Nothing when no
// such file exists: the file is on another medium.
std::optional<std::string> locateMediaFile(const std::string& path);

// Whether the file at located (a path built as above) lies outside the folder before "./"
// once symbolic links are followed. Such a file is never opened: a delivery shows, checks and
// prints only what it holds.
bool leavesDeliveryFolder(const std::string& located);

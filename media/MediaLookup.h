#pragma once

#include <optional>
#include <string>

// The file to open for a path built as folder + "./PIC/" + file name (or "./DRA/"): the path
// as written when it exists, otherwise the entry whose folder and file names match without
// regard to case (an ISO 9660 disc mounted on Linux shows pic/p0000001.jpg). Nothing when no
// such file exists: the file is on another medium.
std::optional<std::string> locateMediaFile(const std::string& path);

class DiscSearch;

// Where the file a record names stands, as everything that opens one looks for it: here
// (found as above), else on the mounted disc of the same delivery numbered medium (when
// otherDiscs is given and the record names a medium). Nothing for an empty path.
std::optional<std::string> locate(const std::string& path, const std::string& medium,
                                  const DiscSearch* otherDiscs);

// Whether the file at located (a path built as above) lies outside the folder before "./"
// once symbolic links are followed. Such a file is never opened: a delivery shows, checks and
// prints only what it holds.
bool leavesDeliveryFolder(const std::string& located);

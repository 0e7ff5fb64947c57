#pragma once

#include <memory>
#include <optional>
#include <string>

// The file to open for a path built as folder + "./PIC/" + file name (or "./DRA/"): the path
// as written when it exists, otherwise the entry whose folder and file names match without
// regard to case (an ISO 9660 disc mounted on Linux shows pic/p0000001.jpg). Nothing when no
// such file exists: the file is on another medium.
std::optional<std::string> locateMediaFile(const std::string& path);

class DiscSearch;

// A file a delivery's record names, as everything that opens one asks for it: where it stands
// under the open delivery's folder (empty for a name the delivery must not use), the number
// of the medium that holds it, and the delivery's other mounted discs (null: none).
struct MediaFile {
    MediaFile() = default;
    MediaFile(std::string path, std::string medium = {},
              std::shared_ptr<const DiscSearch> otherDiscs = nullptr)
        : path(std::move(path)), medium(std::move(medium)), otherDiscs(std::move(otherDiscs)) {}

    std::string path;
    std::string medium;
    std::shared_ptr<const DiscSearch> otherDiscs;
};

// Where file stands: here (found as above), else on the mounted disc of the same delivery
// numbered as its medium. Nothing for an empty path, or when no disc at hand holds it.
std::optional<std::string> locate(const MediaFile& file);

// Whether the file at located (a path built as above) lies outside the folder before "./"
// once symbolic links are followed. Such a file is never opened: a delivery shows, checks and
// prints only what it holds.
bool leavesDeliveryFolder(const std::string& located);

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// What tells one version of a file from another without reading it: a file replaced on the
// media, or the same name on another delivery's disc, differs in size or modification time.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path now; nothing when it cannot be read.
std::optional<FileStamp> fileStampOf(const std::string& path);

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/Finding.h"
#include "media/FileProbe.h"

// "JPEG", "TIFF" or "SVG"; empty for any other content.
std::string_view formatName(FileFormat format);

// What the probe of one file that exists tells wrong of it: its content against its
// extension and the formats the edition allows, whether it decodes whole, and for a photo
// (shotDate given) its EXIF date and pixel count. prefix: "file" for a photo, "drawing" for a
// drawing.
std::vector<Finding> fileFindings(const FileFacts& facts, std::string_view name,
                                  std::string_view prefix, const std::string* shotDate,
                                  std::span<const FileFormat> allowed);

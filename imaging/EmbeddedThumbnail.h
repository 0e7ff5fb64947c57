#pragma once

#include <optional>
#include <string>

#include "imaging/ImageDecoder.h"

// The thumbnail a camera stores in a JPEG's EXIF block, a few kilobytes at the start of the
// file: upright, cut to the photo's proportions (cameras pad a 3:2 photo's 4:3 thumbnail with
// black bands), with the photo's whole upright size. None when the file carries no thumbnail
// smaller than the photo, or is no JPEG.
std::optional<DecodedImage> decodeEmbeddedThumbnail(const std::string& path);

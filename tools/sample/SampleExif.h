#pragma once

#include <string>

// Writes EXIF DateTimeOriginal into the JPEG at path, as a camera does: isoDate CCYY-MM-DD,
// at ten in the morning. False when the file cannot be written.
bool writeExifShotDate(const std::string& path, const std::string& isoDate);

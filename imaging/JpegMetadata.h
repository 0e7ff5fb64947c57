#pragma once

#include <cstddef>

class QIODevice;

// The bytes a JPEG file holds before its image data in application and comment segments
// (EXIF, ICC profiles, thumbnails), counted from the segment headers alone; stops counting
// past limit. A photo carries some tens of kilobytes; the decoder keeps all of them in memory.
std::size_t jpegMetadataBytes(QIODevice& file, std::size_t limit);

// Whether a JPEG file is cut short: it starts as a JPEG but no end-of-image marker stands in
// its last kilobyte. The decoder shows such a file's top and greys the rest without a word.
bool isCutShortJpeg(QIODevice& file);

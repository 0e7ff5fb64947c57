#pragma once

#include <cstddef>

class QIODevice;

// The bytes a JPEG file holds before its image data in application and comment segments
// (EXIF, ICC profiles, thumbnails), counted from the segment headers alone; stops counting
// past limit. A photo carries some tens of kilobytes; the decoder keeps all of them in memory.
std::size_t jpegMetadataBytes(QIODevice& file, std::size_t limit);

#pragma once

#include <QString>

// Hostile image files made by our own code: each is small on disc but announces, or would
// cost, far more than any delivered image. Each writes path and returns false on failure.

// A PNG whose header announces width × height RGBA pixels, with almost no data behind it.
bool writePngBomb(const QString& path, int width, int height);
// A baseline TIFF whose directory announces width × height RGB pixels.
bool writeTiffBomb(const QString& path, int width, int height);
// A real progressive JPEG whose frame header is rewritten to announce width × height.
bool writeProgressiveJpegBomb(const QString& path, int width, int height);
// A small bilevel TIFF of pages pages.
bool writeManyPageTiff(const QString& path, int pages);
// A small JPEG carrying segments APP1 segments of 64 KB each before its image.
bool writeJpegWithHugeExif(const QString& path, int segments);

#pragma once

#include <filesystem>
#include <string>

#include <QColor>
#include <QImage>

// Image files the imaging tests need, written by our own code into the test's scratch folder.

QImage filledImage(int width, int height, const QColor& colour);
// format: a Qt writer format ("jpeg", "png", "bmp").
std::filesystem::path writeImageFile(const std::string& name, const QImage& image,
                                     const char* format);
// A JPEG whose EXIF orientation tag says how to turn it upright (6: 90° clockwise).
std::filesystem::path writeJpegWithOrientation(const std::string& name, const QImage& image,
                                               int orientation);
// A JPEG of image cut off halfway, as a copy that stopped part-way leaves it.
std::filesystem::path writeCutShortJpeg(const std::string& name, const QImage& image);
// A one-pixel GIF (Qt cannot write GIF).
std::filesystem::path writeTinyGif(const std::string& name);
// A BMP header announcing width × height with no pixel data behind it.
std::filesystem::path writeHugeBmpHeader(const std::string& name, int width, int height);

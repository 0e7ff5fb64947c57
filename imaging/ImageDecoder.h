#pragma once

#include <optional>

#include <QImage>
#include <QSize>
#include <QString>

struct DecodedImage {
    QImage image;      // upright; no larger than the size asked for
    QSize uprightSize; // the whole image's size, upright
};

// Decodes an image file recognised by its content, whatever its extension, applying the
// EXIF orientation. With a valid maximumSize a larger image is decoded reduced to fit it
// (by the decoder itself where it can, as JPEG can). A header announcing more pixels than
// any delivered image has fails, as an undecodable file does.
std::optional<DecodedImage> decodeImage(const QString& path, QSize maximumSize = QSize());

// The largest size an image can be shown at: the largest screen, in device pixels.
QSize largestScreenSize();

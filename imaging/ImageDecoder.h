#pragma once

#include <optional>

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

struct DecodedImage {
    QImage image;      // upright; no larger than the size asked for
    QSize uprightSize; // the whole image's size, upright
};

// The size to decode an image of a whole upright size at, for a box it is shown in: the rule
// of the view that paints it, so that the image arrives at the size it is painted at.
using SizeRule = QSize (*)(QSize wholeImage, QSize box);
// Fitted inside box, proportions kept.
QSize fitInside(QSize wholeImage, QSize box);

// Decodes an image file recognised by its content, whatever its extension, applying the
// EXIF orientation. With a valid box an image larger than rule gives for it is decoded
// reduced to that size (by the decoder itself where it can, as JPEG can); a smaller one is
// decoded whole. A header announcing more pixels than any delivered image has fails, as an
// undecodable file does.
std::optional<DecodedImage> decodeImage(const QString& path, QSize box = QSize(),
                                        SizeRule rule = fitInside);
// The same from an open device (a file read once into memory).
std::optional<DecodedImage> decodeImage(QIODevice& device, QSize box = QSize(),
                                        SizeRule rule = fitInside);

// The largest size an image can be shown at: the largest screen, in device pixels.
QSize largestScreenSize();

#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Images made by our own code: each shows its number and title large enough to read.

enum class PhotoContent {
    Flat,     // one colour: quick to make and to decode
    Textured, // grain and shading that cost to decode what real photographs cost
};

bool writeSamplePhoto(const QString& path, int serialNumber, const QString& title, QSize size,
                      PhotoContent content = PhotoContent::Flat);
// The thumbnail a camera stores in the EXIF block of the photo at path: 160 × 120 at the
// most, as JPEG; empty when the photo cannot be read.
QByteArray exifThumbnailOf(const QString& path);
// The format follows the extension: JPG, or TIF for a bilevel Group 4 drawing.
bool writeSampleDrawing(const QString& path, const QString& title);

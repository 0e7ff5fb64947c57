#pragma once

#include <QSize>
#include <QString>

// Images made by our own code: each shows its number and title large enough to read.

enum class PhotoContent {
    Flat,     // one colour: quick to make and to decode
    Textured, // grain and shading that cost to decode what real photographs cost
};

bool writeSamplePhoto(const QString& path, int serialNumber, const QString& title, QSize size,
                      PhotoContent content = PhotoContent::Flat);
// The format follows the extension: JPG, or TIF for a bilevel Group 4 drawing.
bool writeSampleDrawing(const QString& path, const QString& title);

#pragma once

#include <QImage>
#include <QString>

// Writes image as a bilevel TIFF with CCITT Group 4 compression, as scanned drawings are
// delivered (Qt's own TIFF writer cannot compress that way).
bool writeGroup4Tiff(const QString& path, const QImage& image);

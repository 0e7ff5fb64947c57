#include "tools/sample/FaxTiff.h"

#include <vector>

#include <tiffio.h>

namespace {

// One row packed eight pixels a byte, most significant bit first; 1 is black.
std::vector<unsigned char> packedRow(const QImage& image, int y) {
    std::vector<unsigned char> row(static_cast<std::size_t>((image.width() + 7) / 8), 0);
    for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128)
            row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
    }
    return row;
}

} // namespace

bool writeGroup4Tiff(const QString& path, const QImage& image) {
    TIFF* tiff = TIFFOpen(path.toLocal8Bit().constData(), "w");
    if (!tiff)
        return false;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(image.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(image.height()));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 1);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    TIFFSetField(tiff, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, static_cast<uint32_t>(image.height()));
    bool written = true;
    for (int y = 0; y < image.height() && written; ++y) {
        std::vector<unsigned char> row = packedRow(image, y);
        written = TIFFWriteScanline(tiff, row.data(), static_cast<uint32_t>(y), 0) == 1;
    }
    TIFFClose(tiff);
    return written;
}

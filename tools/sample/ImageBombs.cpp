#include "tools/sample/ImageBombs.h"

#include <array>
#include <cstdint>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

#include <tiffio.h>

namespace {

std::uint32_t crc32Of(const QByteArray& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray bigEndian32(std::uint32_t value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray pngChunk(const char* type, const QByteArray& data) {
    const QByteArray typed = QByteArray(type) + data;
    return bigEndian32(static_cast<std::uint32_t>(data.size())) + typed +
           bigEndian32(crc32Of(typed));
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray jpegOf(const QImage& image, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QImage smallPicture() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
}

} // namespace

bool writePngBomb(const QString& path, int width, int height) {
    QByteArray header = bigEndian32(static_cast<std::uint32_t>(width)) +
                        bigEndian32(static_cast<std::uint32_t>(height));
    header += QByteArray("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA, deflate, no interlace
    const QByteArray rows = qCompress(QByteArray(4096, '\0')).mid(4); // the zlib stream
    return writeBytes(path, QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
                                pngChunk("IDAT", rows) + pngChunk("IEND", {}));
}

bool writeTiffBomb(const QString& path, int width, int height) {
    TIFF* tiff = TIFFOpen(path.toLocal8Bit().constData(), "w");
    if (!tiff)
        return false;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(height));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 1u);
    // One row only: the directory claims the rest.
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3, 0);
    const bool written = TIFFWriteScanline(tiff, row.data(), 0, 0) == 1;
    TIFFClose(tiff);
    return written;
}

bool writeProgressiveJpegBomb(const QString& path, int width, int height) {
    QByteArray bytes = jpegOf(smallPicture(), true);
    // The frame header SOF2: marker, length, precision, then height and width.
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC2", 2));
    if (frame < 0)
        return false;
    qToBigEndian(static_cast<std::uint16_t>(height), bytes.data() + frame + 5);
    qToBigEndian(static_cast<std::uint16_t>(width), bytes.data() + frame + 7);
    return writeBytes(path, bytes);
}

bool writeManyPageTiff(const QString& path, int pages) {
    TIFF* tiff = TIFFOpen(path.toLocal8Bit().constData(), "w");
    if (!tiff)
        return false;
    const unsigned char row[2] = {0, 0};
    bool written = true;
    for (int page = 0; page < pages && written; ++page) {
        TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, 16u);
        TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, 1u);
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 1);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
        written = TIFFWriteScanline(tiff, const_cast<unsigned char*>(row), 0, 0) == 1 &&
                  TIFFWriteDirectory(tiff) == 1;
    }
    TIFFClose(tiff);
    return written;
}

bool writeJpegWithHugeExif(const QString& path, int segments) {
    const QByteArray picture = jpegOf(smallPicture(), false);
    QByteArray exif("Exif\0\0", 6);
    exif += QByteArray(65533 - 2 - exif.size(), 'E');
    QByteArray segment("\xFF\xE1", 2);
    segment += QByteArray(1, char(0xFF)) + QByteArray(1, char(0xFD)); // length 65533
    segment += exif;
    QByteArray bytes = picture.left(2); // SOI
    for (int i = 0; i < segments; ++i)
        bytes += segment;
    return writeBytes(path, bytes + picture.mid(2));
}

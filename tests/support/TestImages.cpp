#include "tests/support/TestImages.h"

#include <QBuffer>
#include <QByteArray>

#include "tests/support/ScratchFiles.h"

namespace {

std::string toBytes(const QByteArray& data) {
    return std::string(data.constData(), data.size());
}

void appendLittleEndian(std::string& bytes, unsigned value, int size) {
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An APP1 segment holding a little-endian TIFF structure with one tag: the orientation.
std::string exifOrientationSegment(int orientation) {
    std::string tiff = "II*";
    tiff += '\0';
    appendLittleEndian(tiff, 8, 4);      // first directory right after the header
    appendLittleEndian(tiff, 1, 2);      // one entry
    appendLittleEndian(tiff, 0x0112, 2); // Orientation
    appendLittleEndian(tiff, 3, 2);      // SHORT
    appendLittleEndian(tiff, 1, 4);      // one value
    appendLittleEndian(tiff, static_cast<unsigned>(orientation), 4);
    appendLittleEndian(tiff, 0, 4); // no next directory
    const std::string payload = std::string("Exif\0\0", 6) + tiff;
    const std::size_t length = payload.size() + 2;
    return std::string("\xFF\xE1") + static_cast<char>(length >> 8) +
           static_cast<char>(length & 0xFF) + payload;
}

} // namespace

QImage filledImage(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

std::filesystem::path writeImageFile(const std::string& name, const QImage& image,
                                     const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return writeScratchFile(name, toBytes(data));
}

std::filesystem::path writeCutShortJpeg(const std::string& name, const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg");
    return writeScratchFile(name, toBytes(data.left(data.size() / 2)));
}

std::filesystem::path writeJpegWithOrientation(const std::string& name, const QImage& image,
                                               int orientation) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg");
    const std::string jpeg = toBytes(data);
    // Right after the start-of-image marker.
    return writeScratchFile(name, jpeg.substr(0, 2) + exifOrientationSegment(orientation) +
                                      jpeg.substr(2));
}

std::filesystem::path writeTinyGif(const std::string& name) {
    static const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01,
                                        0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
                                        0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                        0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
    return writeScratchFile(name, std::string(reinterpret_cast<const char*>(gif), sizeof gif));
}

std::filesystem::path writeHugeBmpHeader(const std::string& name, int width, int height) {
    std::string bmp = "BM";
    appendLittleEndian(bmp, 54, 4); // file size as announced
    appendLittleEndian(bmp, 0, 4);
    appendLittleEndian(bmp, 54, 4); // pixel data offset
    appendLittleEndian(bmp, 40, 4); // info header size
    appendLittleEndian(bmp, static_cast<unsigned>(width), 4);
    appendLittleEndian(bmp, static_cast<unsigned>(height), 4);
    appendLittleEndian(bmp, 1, 2);  // planes
    appendLittleEndian(bmp, 24, 2); // bits per pixel
    appendLittleEndian(bmp, 0, 4);  // no compression
    for (int i = 0; i < 5; ++i)
        appendLittleEndian(bmp, 0, 4);
    return writeScratchFile(name, bmp);
}

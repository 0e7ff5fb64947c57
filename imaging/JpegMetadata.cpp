#include "imaging/JpegMetadata.h"

#include <algorithm>

#include <QIODevice>

namespace {

constexpr unsigned char startOfScan = 0xDA;
constexpr unsigned char endOfImage = 0xD9;

bool isMetadata(unsigned char marker) {
    return (marker >= 0xE0 && marker <= 0xEF) || marker == 0xFE; // APPn and COM
}

} // namespace

std::size_t jpegMetadataBytes(QIODevice& file, std::size_t limit) {
    unsigned char bytes[4];
    if (file.read(reinterpret_cast<char*>(bytes), 2) != 2 || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return 0;
    std::size_t total = 0;
    while (total <= limit && file.read(reinterpret_cast<char*>(bytes), 4) == 4) {
        const unsigned char marker = bytes[1];
        if (bytes[0] != 0xFF || marker == startOfScan || marker == endOfImage)
            break;
        const std::size_t length = std::size_t(bytes[2]) << 8 | bytes[3];
        if (length < 2 || !file.seek(file.pos() + qint64(length) - 2))
            break;
        if (isMetadata(marker))
            total += length;
    }
    return total;
}

bool isCutShortJpeg(QIODevice& file) {
    // An end-of-image marker followed by a little padding still ends the file.
    constexpr qint64 tailToSearch = 1024;
    if (!file.seek(0) || !file.read(2).startsWith("\xFF\xD8"))
        return false;
    const qint64 start = std::max<qint64>(0, file.size() - tailToSearch);
    return !file.seek(start) || !file.read(tailToSearch).contains("\xFF\xD9");
}

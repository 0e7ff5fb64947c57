#include "imaging/PictureFingerprint.h"

#include <string>

#include <QHash>

PictureFingerprint pictureFingerprint(const QByteArray& bytes, const QImage& picture) {
    PictureFingerprint fingerprint;
    // Equal bytes, not secrecy: the length and a fast 64-bit hash with a fixed seed.
    fingerprint.contentDigest =
        std::to_string(bytes.size()) + ":" + std::to_string(qHash(QByteArrayView(bytes), 1));
    if (picture.isNull())
        return fingerprint;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8)
                            .scaled(9, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < 8; ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < 8; ++x)
            fingerprint.looks = fingerprint.looks << 1 | (line[x] < line[x + 1] ? 1u : 0u);
    }
    return fingerprint;
}

#include "imaging/PictureFingerprint.h"

#include <QCryptographicHash>

PictureFingerprint pictureFingerprint(const QByteArray& bytes, const QImage& picture) {
    PictureFingerprint fingerprint;
    fingerprint.contentDigest =
        QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toStdString();
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

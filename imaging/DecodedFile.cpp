#include "imaging/DecodedFile.h"

#include <QFile>

#include "imaging/EmbeddedThumbnail.h"
#include "imaging/JpegMetadata.h"
#include "imaging/OpticalDiscLock.h"
#include "media/MediaLookup.h"

bool DecodedFile::isSharpFor(QSize box, SizeRule rule) const {
    if (!isDecoded())
        return true; // there is nothing sharper to be had
    if (isWhole() || !box.isValid())
        return isWhole();
    const QSize needed = rule(fullSize, box).boundedTo(fullSize);
    return image.width() >= needed.width() && image.height() >= needed.height();
}

DecodedFile decodeMediaFile(const MediaFile& asked, QSize box, SizeRule rule,
                            EmbeddedThumbnail thumbnail) {
    DecodedFile result;
    if (asked.path.empty()) {
        result.outcome = DecodeOutcome::BadName;
        return result;
    }
    const auto file = locate(asked);
    if (!file)
        return result;
    if (leavesDeliveryFolder(*file)) {
        result.outcome = DecodeOutcome::BadName;
        return result;
    }
    const auto stamp = fileStampOf(*file);
    if (!stamp)
        return result; // gone between the lookup and now: the disc was taken out
    result.file = *file;
    result.stamp = *stamp;
    const auto disc = holdOpticalDisc(*file);
    auto decoded =
        thumbnail == EmbeddedThumbnail::Accept ? decodeEmbeddedThumbnail(*file) : std::nullopt;
    if (!decoded)
        decoded = decodeImage(QString::fromStdString(*file), box, rule);
    if (!decoded) {
        // A file that went while it was read went with its disc; it is not damaged.
        result.outcome = fileStampOf(*file) ? DecodeOutcome::Undecodable : DecodeOutcome::Missing;
        return result;
    }
    result.outcome = DecodeOutcome::Decoded;
    QFile read(QString::fromStdString(*file));
    result.cutShort = read.open(QIODevice::ReadOnly) && isCutShortJpeg(read);
    result.image = std::move(decoded->image);
    result.fullSize = decoded->uprightSize;
    return result;
}

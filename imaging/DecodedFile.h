#pragma once

#include <optional>
#include <string>

#include <QImage>
#include <QSize>

#include "imaging/FileStamp.h"
#include "imaging/ImageDecoder.h"

#include "media/MediaLookup.h"

// Why an image file shows what it shows.
enum class DecodeOutcome {
    Decoded,     // image holds the picture
    Missing,     // the file is not on the media at hand
    Undecodable, // the file exists but is damaged, not an image, or beyond the size limit
    BadName,     // the delivery names no single file inside its folder: never opened
};

// Whether a decode may answer with the thumbnail a camera stored in the file: quick to read
// from a slow disc, but seldom sharper than 160 × 120.
enum class EmbeddedThumbnail { Ignore, Accept };

// One image file as decoded for display.
struct DecodedFile {
    DecodeOutcome outcome = DecodeOutcome::Missing;
    QImage image;          // upright, reduced to the size its view paints; null unless Decoded
    QSize fullSize;        // the whole image's upright size; empty unless Decoded
    std::string file;      // where the path was found on the media; empty when Missing
    FileStamp stamp;       // the file as it was when decoded
    bool cutShort = false; // a JPEG whose end is missing: image holds the part that was read

    bool isDecoded() const { return outcome == DecodeOutcome::Decoded; }
    // The image is the whole picture, not a reduction of it.
    bool isWhole() const { return isDecoded() && image.size() == fullSize; }
    // Shown in a box of device pixels by a view that paints by rule, this image needs no
    // enlarging; an invalid box asks for the whole image.
    bool isSharpFor(QSize box, SizeRule rule) const;
};

// Finds file on the media at hand (see locate: without regard to case, or on the delivery's
// other disc that holds it) and decodes it upright, reduced to the size rule gives for box when
// box is valid, or takes its embedded thumbnail when accepted and there is one; an empty path
// is a bad name. Safe to run on any thread.
DecodedFile decodeMediaFile(const MediaFile& file, QSize box, SizeRule rule = fitInside,
                            EmbeddedThumbnail thumbnail = EmbeddedThumbnail::Ignore);

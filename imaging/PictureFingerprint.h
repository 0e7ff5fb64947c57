#pragma once

#include <QByteArray>
#include <QImage>

#include "media/FileProbe.h"

// The box the check decodes a photo in: the smallest scale the decoder allows, still large
// enough for the picture's looks.
inline constexpr int fingerprintBox = 64;

// The fingerprint of a file of bytes whose picture, decoded reduced, is picture: the bytes'
// digest, and a difference hash of the picture in grey at 9 × 8 (each bit: is a cell darker
// than the one to its right), which re-saving, resizing or a slight crop hardly changes.
PictureFingerprint pictureFingerprint(const QByteArray& bytes, const QImage& picture);

#pragma once

#include "media/FileProbe.h"

namespace Exiv2 {
class Image;
}

// The check's look at a photo or drawing file on the media: found without regard to case,
// its format recognised by content, its size and decodability from a decode at the smallest
// scale the format allows, a JPEG's end marker, and the EXIF date read by Exiv2 (after the
// metadata limit has refused a hostile file) with the blackboard's items as 写真の情報 reads
// them, and the picture's fingerprint. Reads only; safe on several threads at once.
class MediaFileProbe : public FileProbe {
public:
    MediaFileProbe();
    FileFacts probe(const MediaFile& file) const override;
};

// What a JPEG's metadata, as Exiv2 has read it, tells the check, into facts: the day of EXIF
// DateTimeOriginal as CCYY-MM-DD, how the file was made, the electronic blackboard's items.
// Nothing for no metadata (beyond the limit or unreadable).
void addMetadataFacts(const Exiv2::Image* image, FileFacts& facts);

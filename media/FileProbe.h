#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "media/MediaLookup.h"

// What the content of a file is, recognised by its first bytes.
enum class FileFormat { Unknown, Jpeg, Tiff, Svg, Other };

// What a photo's EXIF says of how the file was made, for the hints that it was edited; empty
// or 0 where the EXIF says nothing.
struct MakingFacts {
    std::string software;       // Software
    std::string changed;        // DateTime, the last change: "CCYY:MM:DD HH:MM:SS"
    std::string taken;          // DateTimeOriginal, as written
    int recordedWidth = 0;      // PixelXDimension, as stored (not turned)
    int recordedHeight = 0;     // PixelYDimension
    bool quarterTurned = false; // the orientation turns the stored picture on its side
};

// What tells one picture from another: the bytes of the file, and what the picture looks like
// (a hash that changes little when it is re-saved, resized or slightly cropped).
struct PictureFingerprint {
    std::string contentDigest; // empty when not made
    std::uint64_t looks = 0;
};

// What the check needs to know of one photo or drawing file. Only what a rule asks for is
// read: the header and metadata, and a decode at the smallest scale the format allows.
struct FileFacts {
    bool exists = false;
    std::string foundAt; // where it was found, when it exists
    FileFormat format = FileFormat::Unknown;
    int width = 0; // upright pixels; 0 when unknown
    int height = 0;
    bool decodable = false;
    bool truncated = false; // a JPEG without its end-of-image marker
    // The day of EXIF DateTimeOriginal, written CCYY-MM-DD; nothing without one.
    std::optional<std::string> exifDate;
    MakingFacts making;
    // The electronic blackboard's items as 写真の情報 labels them ("工種", "写真タイトル", …),
    // and whether it carries its tamper-check value; empty for a photo without one.
    std::vector<std::pair<std::string, std::string>> blackboard;
    bool blackboardTamperValue = false;
    PictureFingerprint fingerprint;
    bool leavesDelivery = false; // a link to a file outside the delivery: nothing more is read
};

// Looks at files for the check; never writes. Called from several threads at once.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    // file as the delivery's folders and a record's name make it, found as locate finds it.
    virtual FileFacts probe(const MediaFile& file) const = 0;
};

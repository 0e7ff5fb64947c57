#pragma once

#include <optional>
#include <string>
#include <vector>

// A made-up delivery that covers what real deliveries contain: five-level classification
// paths, empty levels, one 工種 under two 写真区分, photos with drawings, photos on a second
// medium, a photo file that is no image, serial numbers out of file order, and the Windows
// characters of code page 932.

// How a photo's or drawing's file is written: sound, or with a fault planted for the check.
enum class FilePlant {
    Sound,
    NotWritten,
    NoImage,     // a text file
    Undecodable, // a JPEG header and garbage
    Truncated,   // a JPEG cut in half
    Png,         // a PNG under the name given
    NoExif,      // a JPEG without DateTimeOriginal
    OtherExif,   // a JPEG whose DateTimeOriginal is another day
    FewPixels,   // 640 × 480
    // Saved by an image editor: its Software, a size other than the one recorded, a change
    // hours after the shot.
    EditorSoftware,
    EditorResized,
    EditorChanged,
    OtherBlackboard, // the electronic blackboard names another 工種
};

struct SampleDrawing {
    std::string fileName;
    std::string title;
    FilePlant file = FilePlant::Sound;
};

struct SamplePhoto {
    int serialNumber = 0;
    std::optional<std::string> serialText; // written instead of serialNumber
    std::string fileName;
    int mediaNumber = 1;
    std::vector<std::string> levels; // 写真-大分類 to 細別; empty texts are left out
    std::string title;
    std::string shotLocation;
    std::string shotDate;
    std::string controlValue;
    std::string representative = "0";
    std::string submissionFrequency; // 提出頻度写真; left out when empty
    std::vector<SampleDrawing> drawings;
    FilePlant file = FilePlant::Sound;
    // The photo of this file name (written before it) re-saved smaller, its EXIF kept.
    std::string resavedFrom;
};

// What a delivery is made for: the viewer's tests (every oddity real deliveries show, among
// them a photo file that is no image and photos on a second medium), a clean one the check
// finds nothing wrong with, or a clean one with one fault planted per photo (see plantFaults).
enum class SampleKind { Viewer, Clean, Flawed };

std::vector<SamplePhoto> makeSamplePhotos(int count, SampleKind kind = SampleKind::Viewer);

// Older deliveries keep the construction information in the photo XML file's 工事情報; modern
// ones (since about 2006) keep it in INDEX_C.XML at the root of the disc, beside the PHOTO
// folder, and name the contractor's remark 受注者説明文.
enum class DeliveryStyle { Older, Modern };

// The photo XML text, UTF-8 with CRLF line ends, declaring the given encoding.
std::string samplePhotoXml(const std::vector<SamplePhoto>& photos, const std::string& encoding,
                           DeliveryStyle style = DeliveryStyle::Older);
// The INDEX_C.XML text of a modern delivery's disc, likewise; plain: its names in JIS X 0208
// characters only, as the check asks (the viewer's sample keeps the Windows characters).
std::string sampleIndexXml(const std::string& encoding, bool plain = false);

// A DTD of our own for a delivery's PHOTO.XML or INDEX_C.XML: the standard asks for the file
// beside them; what it declares is not read.
std::string sampleDtd(const std::string& rootElement);

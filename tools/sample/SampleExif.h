#pragma once

#include <string>

// Writes EXIF DateTimeOriginal into the JPEG at path, as a camera does: isoDate CCYY-MM-DD,
// at ten in the morning. False when the file cannot be written.
bool writeExifShotDate(const std::string& path, const std::string& isoDate);

// What the blackboard in a sample photo says.
struct SampleBlackboard {
    std::string constructionName;
    std::string workType;
    std::string station; // 測点
    std::string designedValue;
    std::string measuredValue;
};

SampleBlackboard sampleBlackboard(int serialNumber);

// Writes what a camera with an electronic blackboard stores in the JPEG at path: EXIF (make,
// model, firmware, its pixel size, DateTimeOriginal and DateTime on isoDate at secondOfDay,
// exposure, the thumbnail's JPEG bytes unless empty) and the blackboard's items (those not
// empty) as XMP.
bool writeCameraMetadata(const std::string& path, const std::string& isoDate,
                         const SampleBlackboard& board, const std::string& thumbnail = {},
                         int secondOfDay = 10 * 3600);

// What an image editor leaves in the EXIF of the JPEG at path: its name as Software, or a
// recorded size twice the real one, or a last change late in the evening of the shot.
enum class EditorTrace { Software, Size, ChangeTime };
bool writeEditorTrace(const std::string& path, EditorTrace trace);

// Copies the EXIF of the JPEG at from into the one at to, with to's own pixel size, as an
// editor that re-saves a photo does.
bool copyExif(const std::string& from, const std::string& to);

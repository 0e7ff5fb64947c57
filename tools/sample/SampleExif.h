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
// model, DateTimeOriginal on isoDate, exposure, the thumbnail's JPEG bytes unless empty) and
// the blackboard's items as XMP.
bool writeCameraMetadata(const std::string& path, const std::string& isoDate,
                         const SampleBlackboard& board, const std::string& thumbnail = {});

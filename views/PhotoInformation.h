#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QString>

#include "document/CQuillonDoc.h"
#include "imaging/PhotoMetadata.h"
#include "media/FileProbe.h"

// One line of a photo's information; marked: a value the file and the delivery disagree on,
// or one the last check reported.
struct InfoRow {
    QString label;
    QString value;
    bool marked = false;
};

struct InfoSection {
    QString title;
    std::vector<InfoRow> rows;
    QString note; // said under the rows
};

// What is known of a photo's file: where it was looked for, and what was found there.
struct PhotoFileInfo {
    std::string path; // as the delivery names it on this medium
    FileFacts facts;
    std::int64_t size = 0;
    PhotoMetadata metadata;
};

// The photo's information, section by section: the delivery's values, the file, its EXIF
// and the electronic blackboard's items.
// reported: the elements the last check found something wrong in.
std::vector<InfoSection> photoInfoSections(const PhotoRecord& photo, const PhotoFileInfo& file,
                                           const std::vector<PhotoSlot>& reported = {});

#pragma once

#include <string>
#include <vector>

#include "check/Edition.h"
#include "check/Finding.h"
#include "model/PhotoRecord.h"

// The works period the photos must fall in, CCYY-MM-DD; empty ends are open.
struct WorksPeriod {
    std::string start;
    std::string end;
};

// What a photo's record is judged against: the edition, the works period, and whether the
// file was Shift_JIS (for the 使用文字 rule).
struct RecordContext {
    const EditionRules& edition;
    WorksPeriod period;
    bool fromShiftJis = true;
    std::string mediumCount; // the disc's メディア総枚数; empty: not known
};

// What the photo XML file itself says wrong of one photo and its drawings: serial number,
// required items, dates, flags, classification, file names, characters and lengths.
// Findings carry no position yet.
std::vector<Finding> recordFindings(const PhotoRecord& photo, const RecordContext& context);

// The elements of photo a finding of its record is about, so that they can be pointed out
// where the photo's values are shown; none for a rule about a value that is missing.
std::vector<PhotoSlot> slotsReported(const Finding& finding, const PhotoRecord& photo);

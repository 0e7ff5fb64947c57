#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "model/PhotoRecord.h"

// The works period the photos must fall in, CCYY-MM-DD; empty ends are open.
struct WorksPeriod {
    std::string start;
    std::string end;
};

// What the photo XML file itself says wrong of one photo and its drawings: serial number,
// required items, dates, flags, classification, file names. Findings carry no position yet.
std::vector<Finding> recordFindings(const PhotoRecord& photo, const WorksPeriod& period);

// The elements of photo a finding of its record is about, so that they can be pointed out
// where the photo's values are shown; none for a rule about a value that is missing.
std::vector<PhotoSlot> slotsReported(const Finding& finding, const PhotoRecord& photo);

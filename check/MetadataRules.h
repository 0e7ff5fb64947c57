#pragma once

#include <vector>

#include "check/Finding.h"
#include "media/FileProbe.h"
#include "model/PhotoRecord.h"

// What a photo's metadata hints that a person should look at, never more than 注意: signs that
// an image editor saved it (its Software, a size other than the one recorded, a change long
// after the shot), and an electronic blackboard that names other items than the record.
std::vector<Finding> metadataFindings(const FileFacts& facts, const PhotoRecord& photo);

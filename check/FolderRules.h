#pragma once

#include <vector>

#include "check/DeliveryCheck.h"

// What the delivery's folders hold against what the standard lays out: PHOTO holds its photo
// XML file, that file's DTD, style sheets, PIC and DRA, and nothing else; PIC and DRA hold
// files only, each named by a record; the folder names are upper case; a disc root holds its
// INDEX_C.XML. Each finding names its path inside the delivery in its file column.
std::vector<Finding> folderFindings(const CheckInput& input);

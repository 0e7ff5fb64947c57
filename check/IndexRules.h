#pragma once

#include <vector>

#include "check/DeliveryCheck.h"

// What the disc's construction management file INDEX_C.XML, as the open read it, says wrong:
// its absence from a disc root (nothing for a delivery folder copied alone), a file that
// cannot be read, its DTD, and the items every disc must carry right (メディア番号 of
// メディア総枚数, 適用要領基準, the works' number, name and period, 写真フォルダ名). Each
// finding names INDEX_C.XML in its file column.
std::vector<Finding> indexFindings(const CheckInput& input);

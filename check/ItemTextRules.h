#pragma once

#include <string_view>
#include <vector>

#include "check/Finding.h"
#include "model/PhotoDataSet.h"

// The 使用文字 rule and the item lengths, over every text of one photo and its drawings.
// fromShiftJis: the file was Shift_JIS (see disallowedCharacters).
std::vector<Finding> photoTextFindings(const PhotoRecord& photo, bool fromShiftJis);

// The same over the file's own texts outside the photos: 基礎情報, and 工事情報 when the file
// holds it.
std::vector<Finding> deliveryTextFindings(const PhotoDataSet& data, bool fromShiftJis);

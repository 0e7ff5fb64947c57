#pragma once

#include <vector>

#include "check/DeliveryCheck.h"

// Whether the mounted discs of one construction agree with each other and with the photo XML
// file: no two with the same メディア番号, one メディア総枚数 for all, and no record naming a
// medium beyond a disc's count. Each finding names the discs by their mount folders.
std::vector<Finding> discFindings(const CheckInput& input);

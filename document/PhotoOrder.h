#pragma once

#include <cstdint>
#include <string_view>

#include "model/PhotoList.h"

// A serial number as the runtime's integer conversion reads it: leading blanks, an optional
// sign, then decimal digits up to the first other character; no digits read as 0. Values
// beyond 64 bits saturate.
std::int64_t serialNumberValue(std::string_view text);

// Sorts by serial number; photos with equal numbers keep their order.
void sortBySerialNumber(PhotoList& photos);

// The first position of the page of four that holds position.
int pageStart(int position);

#pragma once

#include <string_view>

// Forms of text that deliveries and the metadata of their photos share.

// Half-width digits only, at least one.
bool isAllDigits(std::string_view text);
// A real date written CCYY-MM-DD (2024-02-29 is one, 2023-02-29 is not).
bool isRealDate(std::string_view text);

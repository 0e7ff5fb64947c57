#pragma once

#include <optional>
#include <string_view>

// Forms of text that deliveries and the metadata of their photos share.

// Half-width digits only, at least one.
bool isAllDigits(std::string_view text);
// A real date written CCYY-MM-DD (2024-02-29 is one, 2023-02-29 is not).
bool isRealDate(std::string_view text);
// The moment an EXIF date and time "CCYY:MM:DD HH:MM:SS" names, in seconds from an epoch of
// its own (for differences only); nothing for another form or an impossible date.
std::optional<long long> exifMoment(std::string_view exifDateTime);

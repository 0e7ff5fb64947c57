#pragma once

#include <string>
#include <string_view>
#include <vector>

// A text as the search compares it, so that what looks alike matches: full-width letters,
// digits and signs become ASCII (ＡＢＣ１ = abc1), letters lower case, half-width katakana
// full-width with their voicing marks joined (ｶﾞｲﾄﾞ = ガイド), the ideographic space a space.
// UTF-8 in and out; bytes that are not UTF-8 pass unchanged.
std::string foldForSearch(std::string_view text);

// The words of a query, folded: separated by spaces of either width; none when it is blank.
std::vector<std::string> searchWords(std::string_view query);

#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the 使用文字 rule of the delivery standard says of one character of a management file:
// half-width characters only from JIS X 0201's Latin set, full-width ones only from JIS X
// 0208 and never its digits or Latin letters.
enum class CharacterFault {
    HalfwidthKana,  // JIS X 0201's katakana
    OutsideJis,     // not in JIS X 0208: NEC and IBM extensions, user-defined, anything else
    FullwidthAlnum, // Ｎｏ．１: to be written half-width
};

struct CharacterFinding {
    std::string character; // UTF-8
    CharacterFault fault;
};

// The characters of text (UTF-8) the rule does not allow, each once, in their order.
// fromShiftJis: the text was read from a Shift_JIS file as code page 932 does, so each
// character is judged as the bytes the file held (its 0x8160 is JIS X 0208's wave dash, which
// code page 932 reads as U+FF5E).
std::vector<CharacterFinding> disallowedCharacters(std::string_view text, bool fromShiftJis);

// The length of text as the standard counts it: a full-width character is one unit, a
// half-width one half, rounded up.
int fullWidthLength(std::string_view text);

#pragma once

#include <optional>
#include <string>
#include <string_view>

// A text as the model stores it: white space (Unicode White_Space) removed from both ends,
// then every carriage return and line feed removed wherever it stands. UTF-8 in and out;
// independent of the installed locales.
std::string normalizeText(std::string_view text);

bool isUnicodeWhiteSpace(char32_t codePoint);

// What a handler stores for a piece of text read while the element of currentSlot is open:
// the normalised text, or nothing when no element is open or the text is empty.
std::optional<std::string> storableText(int currentSlot, std::string_view piece);

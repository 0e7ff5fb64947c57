#include "model/TextNormalizer.h"

#include <algorithm>

namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The code point encoded by a well-formed UTF-8 sequence.
char32_t decode(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence.front());
    if (lead < 0x80)
        return lead;
    const int length = static_cast<int>(sequence.size());
    char32_t codePoint = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i)
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    return codePoint;
}

std::size_t sequenceLengthAt(std::string_view text, std::size_t start) {
    std::size_t end = start + 1;
    while (end < text.size() && isContinuationByte(text[end]))
        ++end;
    return end - start;
}

bool isAscii(char byte) {
    return static_cast<unsigned char>(byte) < 0x80;
}

bool isAsciiWhiteSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

std::string_view trimLeading(std::string_view text) {
    while (!text.empty()) {
        // Most texts are ASCII-indented: test single bytes without decoding.
        if (isAscii(text.front())) {
            if (!isAsciiWhiteSpace(text.front()))
                break;
            text.remove_prefix(1);
            continue;
        }
        const std::size_t length = sequenceLengthAt(text, 0);
        if (!isUnicodeWhiteSpace(decode(text.substr(0, length))))
            break;
        text.remove_prefix(length);
    }
    return text;
}

std::string_view trimTrailing(std::string_view text) {
    while (!text.empty()) {
        if (isAscii(text.back())) {
            if (!isAsciiWhiteSpace(text.back()))
                break;
            text.remove_suffix(1);
            continue;
        }
        std::size_t start = text.size() - 1;
        while (start > 0 && isContinuationByte(text[start]))
            --start;
        if (!isUnicodeWhiteSpace(decode(text.substr(start))))
            break;
        text.remove_suffix(text.size() - start);
    }
    return text;
}

} // namespace

bool isUnicodeWhiteSpace(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::string normalizeText(std::string_view text) {
    std::string result(trimLeading(trimTrailing(text)));
    // Two single-character searches run as memchr; most texts hold no line break at all.
    if (result.find('\n') != std::string::npos || result.find('\r') != std::string::npos)
        std::erase_if(result, [](char byte) { return byte == '\n' || byte == '\r'; });
    return result;
}

std::optional<std::string> storableText(int currentSlot, std::string_view piece) {
    if (currentSlot < 0)
        return std::nullopt;
    std::string text = normalizeText(piece);
    if (text.empty())
        return std::nullopt;
    return text;
}

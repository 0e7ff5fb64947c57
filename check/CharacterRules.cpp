#include "check/CharacterRules.h"

#include <algorithm>
#include <cstdint>
#include <iconv.h>
#include <optional>
#include <unordered_map>

namespace {

// One conversion of iconv, opened once per thread: iconv_t keeps state and is not shared.
class Conversion {
public:
    Conversion(const char* to, const char* from) : handle(iconv_open(to, from)) {}
    ~Conversion() {
        if (handle != invalid())
            iconv_close(handle);
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    // input converted whole; nothing when a character has no place in the target.
    std::optional<std::string> operator()(std::string_view input) const {
        if (handle == invalid())
            return std::nullopt;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 4 + 8, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(handle, &in, &inLeft, &out, &outLeft) == std::size_t(-1) || inLeft != 0)
            return std::nullopt;
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t handle;
};

// The length in bytes of the UTF-8 sequence led by lead.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xF0)
        return 4;
    return lead >= 0xE0 ? 3 : 2;
}

char32_t codePointOf(std::string_view character) {
    const auto byte = [&character](std::size_t i) { return char32_t(std::uint8_t(character[i])); };
    switch (character.size()) {
    case 1:
        return byte(0);
    case 2:
        return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3:
        return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    default:
        return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 |
               (byte(3) & 0x3F);
    }
}

bool isHalfwidthKana(char32_t c) {
    return c >= 0xFF61 && c <= 0xFF9F;
}

bool isFullwidthAlnum(char32_t c) {
    return (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) ||
           (c >= 0xFF41 && c <= 0xFF5A);
}

// Whether character is in JIS X 0208 (or ASCII): glibc's SHIFT_JIS holds only those and JIS X
// 0201, whose katakana are judged before this.
bool inJisX0208(std::string_view character, bool fromShiftJis) {
    thread_local const Conversion toShiftJis("SHIFT_JIS", "UTF-8");
    thread_local const Conversion toCodePage("CP932", "UTF-8");
    thread_local const Conversion fromShiftJisBytes("UTF-8", "SHIFT_JIS");
    if (!fromShiftJis)
        return toShiftJis(character).has_value();
    const std::optional<std::string> bytes = toCodePage(character);
    return bytes && fromShiftJisBytes(*bytes).has_value();
}

std::optional<CharacterFault> faultOf(std::string_view character, bool fromShiftJis) {
    const char32_t c = codePointOf(character);
    if (c < 0x80)
        return std::nullopt;
    if (isHalfwidthKana(c))
        return CharacterFault::HalfwidthKana;
    if (isFullwidthAlnum(c))
        return CharacterFault::FullwidthAlnum;
    // A delivery repeats few characters many times: each is converted once per thread.
    thread_local std::unordered_map<char32_t, bool> known[2];
    auto [entry, isNew] = known[fromShiftJis].try_emplace(c, false);
    if (isNew)
        entry->second = inJisX0208(character, fromShiftJis);
    return entry->second ? std::nullopt : std::optional(CharacterFault::OutsideJis);
}

template <typename Each> void forEachCharacter(std::string_view text, Each each) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length =
            std::min(sequenceLength(std::uint8_t(text[at])), text.size() - at);
        each(text.substr(at, length));
        at += length;
    }
}

} // namespace

std::vector<CharacterFinding> disallowedCharacters(std::string_view text, bool fromShiftJis) {
    std::vector<CharacterFinding> found;
    forEachCharacter(text, [&](std::string_view character) {
        const std::optional<CharacterFault> fault = faultOf(character, fromShiftJis);
        const auto seen = [character](const CharacterFinding& f) {
            return f.character == character;
        };
        if (fault && std::none_of(found.begin(), found.end(), seen))
            found.push_back({std::string(character), *fault});
    });
    return found;
}

int fullWidthLength(std::string_view text) {
    int halves = 0;
    forEachCharacter(text, [&halves](std::string_view character) {
        const char32_t c = codePointOf(character);
        halves += c < 0x80 || isHalfwidthKana(c) ? 1 : 2;
    });
    return (halves + 1) / 2;
}

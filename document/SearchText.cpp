#include "document/SearchText.h"

#include <sstream>

namespace {

// Half-width katakana U+FF61 to U+FF9F, full-width.
constexpr char32_t fullWidthKana[] = {
    U'。', U'「', U'」', U'、', U'・', U'ヲ', U'ァ', U'ィ', U'ゥ', U'ェ', U'ォ', U'ャ', U'ュ',
    U'ョ', U'ッ', U'ー', U'ア', U'イ', U'ウ', U'エ', U'オ', U'カ', U'キ', U'ク', U'ケ', U'コ',
    U'サ', U'シ', U'ス', U'セ', U'ソ', U'タ', U'チ', U'ツ', U'テ', U'ト', U'ナ', U'ニ', U'ヌ',
    U'ネ', U'ノ', U'ハ', U'ヒ', U'フ', U'ヘ', U'ホ', U'マ', U'ミ', U'ム', U'メ', U'モ', U'ヤ',
    U'ユ', U'ヨ', U'ラ', U'リ', U'ル', U'レ', U'ロ', U'ワ', U'ン', U'゛', U'゜'};

constexpr char32_t halfWidthVoiced = 0xFF9E;
constexpr char32_t halfWidthSemiVoiced = 0xFF9F;

// The code point at text[at] and its length in bytes; a byte that starts no sequence is its
// own length-one "code point" above the Unicode range, so that it passes unchanged.
std::pair<char32_t, std::size_t> decodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3
                               : lead >= 0xC0                 ? 2
                                                              : 0;
    if (length == 0 || at + length > text.size())
        return {0x110000 + lead, 1};
    char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return {codePoint, length};
}

void append(std::string& out, char32_t c) {
    if (c >= 0x110000) {
        out += static_cast<char>(c - 0x110000);
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A full-width kana with the voicing mark that followed it in half width, joined: カ + ﾞ = ガ,
// ハ + ﾟ = パ, ウ + ﾞ = ヴ. Nothing when the two do not join.
char32_t joined(char32_t kana, char32_t mark) {
    const bool voiced = mark == halfWidthVoiced;
    if (voiced && kana == U'ウ')
        return U'ヴ';
    const bool kaToChi = kana >= U'カ' && kana <= U'チ' && (kana - U'カ') % 2 == 0;
    const bool tsuToTo = kana >= U'ツ' && kana <= U'ト' && (kana - U'ツ') % 2 == 0;
    if (voiced && (kaToChi || tsuToTo))
        return kana + 1;
    if (kana >= U'ハ' && kana <= U'ホ' && (kana - U'ハ') % 3 == 0)
        return kana + (voiced ? 1 : 2);
    return 0;
}

char32_t folded(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E)
        c -= 0xFF01 - 0x21;
    if (c == 0x3000)
        return U' ';
    if (c >= U'A' && c <= U'Z')
        return c + (U'a' - U'A');
    if (c >= 0xFF61 && c <= 0xFF9F)
        return fullWidthKana[c - 0xFF61];
    return c;
}

} // namespace

std::string foldForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t unchangedFrom = 0; // copied whole: most of a Japanese text folds to itself
    for (std::size_t at = 0; at < text.size();) {
        // Only capitals and the sequences that lead with E3 (the ideographic space) or EF (the
        // half- and full-width forms) can change; any other byte is passed at a glance.
        const auto byte = static_cast<unsigned char>(text[at]);
        if (!(byte >= 'A' && byte <= 'Z') && byte != 0xE3 && byte != 0xEF) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        auto [c, length] = decodeAt(text, at);
        at += length;
        char32_t shown = folded(c);
        if (shown == c)
            continue;
        if (at < text.size() && c >= 0xFF66 && c <= 0xFF9D) {
            const auto [mark, markLength] = decodeAt(text, at);
            const bool isMark = mark == halfWidthVoiced || mark == halfWidthSemiVoiced;
            if (const char32_t kana = isMark ? joined(shown, mark) : 0) {
                shown = kana;
                at += markLength;
            }
        }
        out.append(text.substr(unchangedFrom, start - unchangedFrom));
        append(out, shown);
        unchangedFrom = at;
    }
    out.append(text.substr(unchangedFrom));
    return out;
}

std::vector<std::string> searchWords(std::string_view query) {
    std::istringstream words(foldForSearch(query));
    std::vector<std::string> found;
    for (std::string word; words >> word;)
        found.push_back(word);
    return found;
}

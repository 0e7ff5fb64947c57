#include "check/TextRules.h"

#include <algorithm>

bool isPositiveNumber(std::string_view text) {
    return isAllDigits(text) && text.find_first_not_of('0') != std::string_view::npos;
}

bool numberAbove(std::string_view a, std::string_view b) {
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    return a.size() != b.size() ? a.size() > b.size() : a > b;
}

bool followsFileNameRule(std::string_view name, char prefix) {
    const std::size_t dot = name.rfind('.');
    if (dot != 8 || name.size() < 10 || name[0] != prefix || !isAllDigits(name.substr(1, 7)))
        return false;
    const std::string_view extension = name.substr(dot + 1);
    return extension.size() <= 3 && std::all_of(extension.begin(), extension.end(),
                                                [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::string_view extensionOf(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

std::string upperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    return upper;
}

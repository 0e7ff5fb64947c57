#include "check/TextRules.h"

#include <algorithm>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

int number(std::string_view digits) {
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

int daysInMonth(int year, int month) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

bool isPositiveNumber(std::string_view text) {
    return allDigits(text) && text.find_first_not_of('0') != std::string_view::npos;
}

bool isRealDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    const std::string_view year = text.substr(0, 4);
    const std::string_view month = text.substr(5, 2);
    const std::string_view day = text.substr(8, 2);
    if (!allDigits(year) || !allDigits(month) || !allDigits(day))
        return false;
    const int m = number(month);
    const int d = number(day);
    return number(year) > 0 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(number(year), m);
}

bool followsFileNameRule(std::string_view name, char prefix) {
    const std::size_t dot = name.rfind('.');
    if (dot != 8 || name.size() < 10 || name[0] != prefix || !allDigits(name.substr(1, 7)))
        return false;
    const std::string_view extension = name.substr(dot + 1);
    return std::all_of(extension.begin(), extension.end(),
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

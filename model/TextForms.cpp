#include "model/TextForms.h"

#include <algorithm>
#include <string>

namespace {

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

bool isAllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isRealDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    const std::string_view year = text.substr(0, 4);
    const std::string_view month = text.substr(5, 2);
    const std::string_view day = text.substr(8, 2);
    if (!isAllDigits(year) || !isAllDigits(month) || !isAllDigits(day))
        return false;
    const int m = number(month);
    const int d = number(day);
    return number(year) > 0 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(number(year), m);
}

std::optional<long long> exifMoment(std::string_view text) {
    if (text.size() < 19 || text[4] != ':' || text[7] != ':' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    std::string date(text.substr(0, 10));
    date[4] = date[7] = '-';
    const std::string_view hours = text.substr(11, 2), minutes = text.substr(14, 2),
                           seconds = text.substr(17, 2);
    if (!isRealDate(date) || !isAllDigits(hours) || !isAllDigits(minutes) || !isAllDigits(seconds))
        return std::nullopt;
    // Days from civil: whole years of 365 days and their leap days, then the months passed.
    const int year = number(date.substr(0, 4));
    const int month = number(date.substr(5, 2));
    long long days = 365LL * year + (year - 1) / 4 - (year - 1) / 100 + (year - 1) / 400;
    for (int passed = 1; passed < month; ++passed)
        days += daysInMonth(year, passed);
    days += number(date.substr(8, 2));
    return ((days * 24 + number(hours)) * 60 + number(minutes)) * 60 + number(seconds);
}

#include "document/PhotoOrder.h"

#include <limits>

namespace {

bool isRuntimeSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

std::int64_t serialNumberValue(std::string_view text) {
    while (!text.empty() && isRuntimeSpace(text.front()))
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        const int digit = c - '0';
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    return negative ? -value : value;
}

void sortBySerialNumber(PhotoList& photos) {
    photos.stableSortByKey([](const PhotoRecord& photo) {
        return serialNumberValue(photo.slots[PhotoSlot::SerialNumber]);
    });
}

int pageStart(int position) {
    return position / 4 * 4;
}

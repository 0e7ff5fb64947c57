#include "model/ElementTables.h"

#include <algorithm>

int findSlot(std::span<const std::string_view> table, std::string_view name) {
    const auto found = std::find(table.begin(), table.end(), name);
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

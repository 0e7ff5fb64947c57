#include "model/ElementTables.h"

#include <span>
#include <unordered_map>

namespace {

// Looking names up by hash keeps the reader's cost per element small on large files.
class SlotIndex {
public:
    explicit SlotIndex(std::span<const std::string_view> table) {
        for (std::size_t slot = 0; slot < table.size(); ++slot)
            slots.emplace(table[slot], static_cast<int>(slot)); // the first entry wins
    }

    int slotOf(std::string_view name) const {
        const auto found = slots.find(name);
        return found == slots.end() ? -1 : found->second;
    }

private:
    std::unordered_map<std::string_view, int> slots;
};

} // namespace

int basicSlotOf(std::string_view name) {
    static const SlotIndex index(basicElementNames);
    return index.slotOf(name);
}

int constructionSlotOf(std::string_view name) {
    static const SlotIndex index(constructionElementNames);
    return index.slotOf(name);
}

int photoSlotOf(std::string_view name) {
    static const SlotIndex index(photoElementNames);
    if (name == modernContractorRemarkName)
        return static_cast<int>(PhotoSlot::ContractorRemark);
    return index.slotOf(name);
}

int drawingSlotOf(std::string_view name) {
    static const SlotIndex index(drawingElementNames);
    return index.slotOf(name);
}

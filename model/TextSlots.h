#pragma once

#include <array>
#include <cstddef>
#include <string>

// A record's fixed array of element texts, indexed by the enumerator of the record's own
// table, or by the slot number a section handler found for an element name.
template <typename Slot, std::size_t Count> class TextSlots {
public:
    static constexpr int count = static_cast<int>(Count);

    const std::string& operator[](Slot slot) const { return texts[index(slot)]; }
    std::string& operator[](Slot slot) { return texts[index(slot)]; }

    const std::string& at(int slot) const { return texts.at(static_cast<std::size_t>(slot)); }
    std::string& at(int slot) { return texts.at(static_cast<std::size_t>(slot)); }

    void clear() {
        for (std::string& text : texts)
            text.clear();
    }

    bool operator==(const TextSlots&) const = default;

private:
    static std::size_t index(Slot slot) { return static_cast<std::size_t>(slot); }

    std::array<std::string, Count> texts;
};

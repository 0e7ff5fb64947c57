#pragma once

#include <ostream>
#include <string_view>

// Where the diagnostic dump goes.
class DumpSink {
public:
    explicit DumpSink(std::ostream& out) : out(out) {}

    // One line: group label, element name, "＝", text.
    void writeLine(std::string_view label, std::string_view elementName, std::string_view text);

private:
    std::ostream& out;
};

// Every slot of a record in table order, each on a line of its own.
template <typename Slots, typename Names>
void dumpSlots(DumpSink& sink, std::string_view label, const Names& names, const Slots& slots) {
    for (int slot = 0; slot < Slots::count; ++slot)
        sink.writeLine(label, names[static_cast<std::size_t>(slot)], slots.at(slot));
}

// One line for each entry of a reserve list.
template <typename Texts>
void dumpEntries(DumpSink& sink, std::string_view label, std::string_view elementName,
                 const Texts& entries) {
    for (const auto& entry : entries)
        sink.writeLine(label, elementName, entry);
}

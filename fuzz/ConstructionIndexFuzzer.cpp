// The reader of the disc's construction management file INDEX_C.XML.

#include "fuzz/FuzzInput.h"
#include "model/ConstructionIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto index = discIndexOfText(fuzzText(data, size));
    const auto& info = index ? index->info : std::nullopt;
    if (info && info->titleLine.size() > size * 8 + 64)
        __builtin_trap(); // the composed lines grow only with what was read
    return 0;
}

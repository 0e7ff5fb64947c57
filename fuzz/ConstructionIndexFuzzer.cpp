// The reader of the disc's construction management file INDEX_C.XML.

#include "fuzz/FuzzInput.h"
#include "model/ConstructionIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto info = readConstructionIndex(writeFuzzInput("index-c", data, size));
    if (info && info->titleLine.size() > size * 8 + 64)
        __builtin_trap(); // the composed lines grow only with what was read
    return 0;
}

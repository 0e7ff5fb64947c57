// The INI module on any file a hand may have edited: reading never fails, and a key written
// reads back as written, whatever the rest of the file holds.

#include <string>

#include "fuzz/FuzzInput.h"
#include "settings/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = writeFuzzInput("ini", data, size);
    readProfileInt(path, "Option", "PhotoSlideInterval", 10);
    readProfileInt(path, "Option", "BrowseMode", 0);
    if (!writeProfileString(path, "Option", "BrowseMode", "1"))
        return 0;
    if (readProfileInt(path, "Option", "BrowseMode", 0) != 1)
        __builtin_trap();
    return 0;
}

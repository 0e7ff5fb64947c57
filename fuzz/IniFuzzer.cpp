// The INI module on any file a hand may have edited: reading never fails, and a key written
// reads back as written, whatever the rest of the file holds.

#include <string>

#include "fuzz/FuzzInput.h"
#include "settings/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzText(data, size);
    profileIntIn(text, "Option", "PhotoSlideInterval", 10);
    profileIntIn(text, "Option", "BrowseMode", 0);
    const std::string written = withProfileStrings(text, "Option", {{"BrowseMode", "1"}});
    if (profileIntIn(written, "Option", "BrowseMode", 0) != 1)
        __builtin_trap();
    return 0;
}

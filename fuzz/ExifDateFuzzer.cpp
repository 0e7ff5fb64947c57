// The check's reading of a photo's EXIF date: the metadata limit, then Exiv2, on any bytes.

#include "fuzz/FuzzInput.h"
#include "imaging/MediaFileProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto day = exifShotDate(writeFuzzInput("exif-date", data, size));
    if (day && day->size() != 10)
        __builtin_trap(); // always CCYY-MM-DD
    return 0;
}

// The check's reading of a photo's metadata (its EXIF date, how it was made, the electronic
// blackboard's XMP): the metadata limit, then Exiv2, on any bytes.

#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include <exiv2/exiv2.hpp>

#include "imaging/Exiv2Reading.h"
#include "imaging/MediaFileProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    FileFacts facts;
    addMetadataFacts(jpegMetadataOf(bytes).get(), facts);
    if (facts.exifDate && facts.exifDate->size() != 10)
        __builtin_trap(); // always CCYY-MM-DD
    return 0;
}

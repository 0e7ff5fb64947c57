#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

// The readers read files, as the program does: each input is written to a file of the
// fuzzer's own in its working folder (the build tree), named after the target.
inline const std::string& writeFuzzInput(const char* name, const std::uint8_t* data,
                                         std::size_t size) {
    static const std::string path = std::string("fuzz-input-") + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The fuzzer's input as the readers take a file's text: parsed from memory, so that no file
// is written per input and each costs only its parse.
inline std::string fuzzText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Files the tests write live in a folder of the running test, beside the test executable.
std::filesystem::path scratchFolder();
// Names the scratch folder where GoogleTest does not: Qt Test calls it from init().
void useScratchFolder(const std::string& testName);
std::filesystem::path writeScratchFile(const std::string& name, std::string_view bytes);

// Test data in the encodings real deliveries use.
std::string toCp932(std::string_view utf8);
std::string toUtf16LeWithBom(std::string_view utf8);

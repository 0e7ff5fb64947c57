#pragma once

#include <filesystem>
#include <string>

// Benchmark input files live beside the benchmark, in the build tree, wherever it is run from.
inline std::string benchDataPath(const std::string& name) {
    return (std::filesystem::canonical("/proc/self/exe").parent_path() / name).string();
}

#pragma once

#include <filesystem>
#include <fstream>
#include <string>

// Benchmark input files live beside the benchmark, in the build tree, wherever it is run from.
inline std::string benchDataPath(const std::string& name) {
    return (std::filesystem::canonical("/proc/self/exe").parent_path() / name).string();
}

// A figure of /proc/self/status in KiB: VmHWM (the peak resident size) or VmRSS (now).
inline long statusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == field + ":" && status >> value)
            return value;
    }
    return 0;
}

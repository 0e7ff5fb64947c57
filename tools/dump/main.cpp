// tessel-dump FILE: prints what was read from a photo XML file.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "model/DumpSink.h"
#include "model/PhotoDataSet.h"
#include "model/PhotoXmlReader.h"

namespace {

constexpr int usageError = 2;

int usage() {
    std::cerr << "usage: tessel-dump FILE\n";
    return usageError;
}

// The reader treats a missing file as an empty one; the tool says why it read nothing.
bool isReadable(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        std::cerr << "tessel-dump: cannot open " << path << ": " << std::strerror(errno) << '\n';
        return false;
    }
    std::fclose(file);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return usage();
    const std::string path = argv[1];
    if (!isReadable(path))
        return usageError;

    PhotoDataSet data;
    PhotoXmlReader reader;
    if (reader.load(path, data) != 0) {
        std::cerr << "tessel-dump: no XML parser could be created\n";
        return 1;
    }
    DumpSink sink(std::cout);
    data.dump(sink);
    return 0;
}

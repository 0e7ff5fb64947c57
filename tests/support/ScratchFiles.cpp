#include "tests/support/ScratchFiles.h"

#include <fstream>
#include <stdexcept>

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

std::string convert(std::string_view utf8, const char* encoding) {
    iconv_t converter = iconv_open(encoding, "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no converter to ") + encoding);
    std::string input(utf8);
    std::string output(input.size() * 4 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        throw std::runtime_error(std::string("text not representable in ") + encoding);
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace

std::filesystem::path scratchFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name =
        test ? std::string(test->test_suite_name()) + "." + test->name() : std::string("shared");
    const auto folder = std::filesystem::current_path() / "scratch" / name;
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path writeScratchFile(const std::string& name, std::string_view bytes) {
    const auto path = scratchFolder() / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    return path;
}

std::string toCp932(std::string_view utf8) {
    return convert(utf8, "CP932");
}

std::string toUtf16LeWithBom(std::string_view utf8) {
    return "\xFF\xFE" + convert(utf8, "UTF-16LE");
}

#include "tests/support/ScratchFiles.h"

#include <fstream>

#include <gtest/gtest.h>

#include "tools/sample/TextEncoding.h"

namespace {

std::string namedTest;

} // namespace

void useScratchFolder(const std::string& testName) {
    namedTest = testName;
}

std::filesystem::path scratchFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = test ? std::string(test->test_suite_name()) + "." + test->name()
                                  : "qt." + (namedTest.empty() ? "shared" : namedTest);
    // Beside the test executable: inside the build tree, wherever the test is run from.
    const auto folder =
        std::filesystem::canonical("/proc/self/exe").parent_path() / "scratch" / name;
    // Each test starts from an empty folder, whatever an earlier run left there.
    static std::string preparedFor;
    if (preparedFor != name) {
        std::filesystem::remove_all(folder);
        preparedFor = name;
    }
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
    return encodeUtf8As(utf8, "CP932");
}

std::string toUtf16LeWithBom(std::string_view utf8) {
    return "\xFF\xFE" + encodeUtf8As(utf8, "UTF-16LE");
}

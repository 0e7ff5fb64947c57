#include "tools/sample/TextEncoding.h"

#include <stdexcept>

#include <iconv.h>

std::string encodeUtf8As(std::string_view utf8, const char* encoding) {
    iconv_t converter = iconv_open(encoding, "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no converter from UTF-8 to ") + encoding);
    std::string input(utf8);
    std::string output(input.size() * 2 + 16, '\0');
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

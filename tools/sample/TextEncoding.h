#pragma once

#include <string>
#include <string_view>

// UTF-8 text converted to another encoding by iconv name ("CP932", "UTF-16LE"); throws when
// the text cannot be represented there.
std::string encodeUtf8As(std::string_view utf8, const char* encoding);

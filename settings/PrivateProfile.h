#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// INI files as people hand-edit them, with the rules of the Windows private-profile
// functions: section and key names match without regard to case, and a write changes only
// the line of its key, keeping every other line, comment and section as it was.

// The integer value of key in section: after one pair of enclosing quotes is dropped, leading
// blanks, an optional sign and the decimal digits up to the first other character (none reads
// as 0); defaultValue when the file, the section or the key is missing.
int readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   int defaultValue);

// Sets key in section to value: in place when the key exists, else at the end of its section,
// creating the section (at the end of the file) and the file when missing. The file is written
// aside and renamed over the old one. Returns false when the file cannot be written; it is then
// left as it was, and failure (when given) says why.
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::error_code* failure = nullptr);

struct ProfileEntry {
    std::string_view key;
    std::string value;
};
// Sets each key of entries in section as writeProfileString does, in one write of the file:
// all of them are written, or none.
bool writeProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<ProfileEntry>& entries,
                         std::error_code* failure = nullptr);

// The same two rules on a file's text in memory: the value read, and the text written.
int profileIntIn(const std::string& text, std::string_view section, std::string_view key,
                 int defaultValue);
std::string withProfileStrings(const std::string& text, std::string_view section,
                               const std::vector<ProfileEntry>& entries);

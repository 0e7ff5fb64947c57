#include "settings/PrivateProfile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace {

// The file's lines, each with the line end it had, so that a rewrite changes only one line.
using Lines = std::vector<std::string>;

struct SectionRange {
    std::size_t header;
    std::size_t end; // the next section's header, or the end of the file
};

std::optional<std::string> readWholeFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Lines splitLines(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

std::string_view trimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

bool isSectionHeader(std::string_view line) {
    return trimBlanks(withoutLineEnd(line)).starts_with('[');
}

bool isHeaderOf(std::string_view line, std::string_view section) {
    const std::string_view text = trimBlanks(withoutLineEnd(line));
    const std::size_t close = text.find(']');
    return text.starts_with('[') && close != std::string_view::npos &&
           equalsIgnoringCase(trimBlanks(text.substr(1, close - 1)), section);
}

// The key of a "key=value" line; comments and headers have none.
std::optional<std::string_view> keyOf(std::string_view line) {
    const std::string_view text = trimBlanks(withoutLineEnd(line));
    const std::size_t equals = text.find('=');
    if (text.starts_with(';') || text.starts_with('[') || equals == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(text.substr(0, equals));
}

// A value as INI files written by hand and by older versions hold it: blanks around it
// dropped, then one pair of enclosing quotes.
std::string_view valueOf(std::string_view line) {
    const std::string_view text = withoutLineEnd(line);
    const std::string_view value = trimBlanks(text.substr(text.find('=') + 1));
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// The first section of that name: a later one of the same name is never read.
std::optional<SectionRange> findSection(const Lines& lines, std::string_view section) {
    for (std::size_t header = 0; header < lines.size(); ++header) {
        if (!isHeaderOf(lines[header], section))
            continue;
        std::size_t end = header + 1;
        while (end < lines.size() && !isSectionHeader(lines[end]))
            ++end;
        return SectionRange{header, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const Lines& lines, SectionRange range, std::string_view key) {
    for (std::size_t line = range.header + 1; line < range.end; ++line) {
        const auto found = keyOf(lines[line]);
        if (found && equalsIgnoringCase(*found, key))
            return line;
    }
    return std::nullopt;
}

int parseLeadingInteger(std::string_view value) {
    value = trimBlanks(value);
    const bool negative = value.starts_with('-');
    if (negative || value.starts_with('+'))
        value.remove_prefix(1);
    long long magnitude = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            break;
        magnitude = std::min(magnitude * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    const long long number = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
}

std::string lineEndOf(const Lines& lines) {
    for (const std::string& line : lines) {
        if (line.ends_with("\r\n"))
            return "\r\n";
        if (line.ends_with('\n'))
            return "\n";
    }
    return "\n";
}

void setKey(Lines& lines, std::string_view section, std::string_view key, std::string_view value) {
    const std::string lineEnd = lineEndOf(lines);
    const std::string assignment = std::string(key) + "=" + std::string(value);
    const auto range = findSection(lines, section);
    if (!range) {
        if (!lines.empty() && !lines.back().ends_with('\n'))
            lines.back() += lineEnd;
        lines.push_back("[" + std::string(section) + "]" + lineEnd);
        lines.push_back(assignment + lineEnd);
        return;
    }
    if (const auto existing = findKey(lines, *range, key)) {
        std::string& line = lines[*existing];
        const std::string ending = line.substr(withoutLineEnd(line).size());
        line = std::string(*keyOf(line)) + "=" + std::string(value) +
               (ending.empty() ? lineEnd : ending);
        return;
    }
    // After the section's last non-blank line, so that blank lines before the next section stay.
    std::size_t insertAt = range->end;
    while (insertAt > range->header + 1 && trimBlanks(withoutLineEnd(lines[insertAt - 1])).empty())
        --insertAt;
    if (!lines[insertAt - 1].ends_with('\n'))
        lines[insertAt - 1] += lineEnd;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), assignment + lineEnd);
}

// Writes the new text aside and renames it over the old file, so that a full disc, a crash or
// a failed write never leaves half a file.
std::error_code replaceWholeFile(const std::string& path, const std::string& text) {
    const std::string aside = path + ".new";
    std::error_code error;
    {
        errno = 0;
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            error = std::error_code(errno ? errno : EIO, std::generic_category());
    }
    if (!error)
        std::filesystem::rename(aside, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(aside, ignored);
    }
    return error;
}

} // namespace

int readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   int defaultValue) {
    const auto text = readWholeFile(path);
    return text ? profileIntIn(*text, section, key, defaultValue) : defaultValue;
}

int profileIntIn(const std::string& text, std::string_view section, std::string_view key,
                 int defaultValue) {
    const Lines lines = splitLines(text);
    const auto range = findSection(lines, section);
    const auto line = range ? findKey(lines, *range, key) : std::nullopt;
    return line ? parseLeadingInteger(valueOf(lines[*line])) : defaultValue;
}

std::string withProfileStrings(const std::string& text, std::string_view section,
                               const std::vector<ProfileEntry>& entries) {
    Lines lines = splitLines(text);
    for (const ProfileEntry& entry : entries)
        setKey(lines, section, entry.key, entry.value);
    std::string written;
    for (const std::string& line : lines)
        written += line;
    return written;
}

bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::error_code* failure) {
    return writeProfileStrings(path, section, {{key, std::string(value)}}, failure);
}

bool writeProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<ProfileEntry>& entries, std::error_code* failure) {
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    const auto text = readWholeFile(path);
    if (exists && !text) // what cannot be read cannot be kept
        error = std::make_error_code(std::errc::permission_denied);
    if (!error)
        error = replaceWholeFile(path, withProfileStrings(text.value_or(""), section, entries));
    if (failure)
        *failure = error;
    return !error;
}

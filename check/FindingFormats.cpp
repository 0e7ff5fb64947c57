#include "check/FindingFormats.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

std::string csvField(std::string_view text) {
    std::string field = "\"";
    for (const char c : text)
        field += c == '"' ? std::string("\"\"") : std::string(1, c);
    return field + "\"";
}

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

} // namespace

std::string findingLine(const Finding& finding) {
    return std::string(levelName(finding.level)) + '\t' + std::string(finding.ruleId) + '\t' +
           oneLine(finding.serial) + '\t' + oneLine(finding.fileName) + '\t' +
           oneLine(finding.message);
}

std::size_t countOfLevel(const std::vector<Finding>& findings, Level level) {
    return static_cast<std::size_t>(std::count_if(
        findings.begin(), findings.end(), [level](const Finding& f) { return f.level == level; }));
}

std::string summaryLine(const std::vector<Finding>& findings) {
    std::string line;
    for (const Level level : {Level::Error, Level::Caution, Level::Info}) {
        line += (line.empty() ? "" : "、") + std::string(levelName(level)) + " " +
                std::to_string(countOfLevel(findings, level)) + " 件";
    }
    return line;
}

std::string findingsCsv(const std::vector<Finding>& findings) {
    std::string csv =
        "\xEF\xBB\xBF\"レベル\",\"規則\",\"シリアル番号\",\"ファイル名\",\"内容\"\r\n";
    for (const Finding& finding : findings) {
        csv += csvField(levelName(finding.level)) + ',' + csvField(finding.ruleId) + ',' +
               csvField(finding.serial) + ',' + csvField(finding.fileName) + ',' +
               csvField(finding.message) + "\r\n";
    }
    return csv;
}

std::string findingJson(const Finding& finding) {
    const std::string position =
        finding.position < 0 ? "null" : std::to_string(finding.position + 1);
    return "{\"level\":" + jsonString(levelName(finding.level)) +
           ",\"rule\":" + jsonString(finding.ruleId) + ",\"serial\":" + jsonString(finding.serial) +
           ",\"file\":" + jsonString(finding.fileName) + ",\"position\":" + position +
           ",\"message\":" + jsonString(finding.message) +
           (finding.detail.empty() ? "" : ",\"detail\":" + jsonString(finding.detail)) + "}";
}

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/Finding.h"

// The findings as tessel-check writes them.

// level, rule id, serial number, file name, message, separated by tabs (tabs and line breaks
// inside a text become spaces).
std::string findingLine(const Finding& finding);
// How many of findings are of level.
std::size_t countOfLevel(const std::vector<Finding>& findings, Level level);
// "エラー 3 件、注意 12 件、情報 1 件".
std::string summaryLine(const std::vector<Finding>& findings);
// A CSV file for spreadsheets: UTF-8 with a byte-order mark, a header row, CRLF line ends.
std::string findingsCsv(const std::vector<Finding>& findings);
// One JSON object: level, rule, serial, file, position (from 1, or null), message.
std::string findingJson(const Finding& finding);

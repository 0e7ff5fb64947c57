#pragma once

#include <string>
#include <string_view>

// How much a finding weighs: the delivery breaks the standard or cannot be used (エラー),
// worth a look (注意), or for information (情報).
enum class Level { Error, Caution, Info };

std::string_view levelName(Level level);

// One thing the check found wrong with a delivery, about one photo or drawing or about the
// delivery as a whole.
struct Finding {
    Level level = Level::Error;
    std::string_view ruleId; // stable: scripts and the report key on it
    std::string serial;      // the photo's シリアル番号 as written; empty for the delivery
    std::string fileName;    // the photo's or drawing's file name, or the stray file's
    int position = -1;       // the photo's place in the file, from 0; -1 for the delivery
    int drawing = -1;        // the drawing's place among the photo's, from 0; -1: the photo
    std::string message;     // Japanese: what is wrong, and what was expected
    std::string detail;      // a library's own words behind it, for scripts; often empty
};

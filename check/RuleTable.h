#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "check/Finding.h"

// Every rule of the check: its stable id, its level, what it finds and where it comes from.
struct RuleInfo {
    std::string_view id;
    Level level;
    std::string_view summary; // Japanese, for the report's legend and --help
    std::string_view source;  // the public text it comes from; empty for the check's own
};

std::span<const RuleInfo> ruleTable();
// The rule of id; an unknown id is a programming error and throws.
const RuleInfo& ruleInfo(std::string_view id);

// A finding of rule id, at the rule's level unless the rule weighs this case otherwise.
Finding makeFinding(std::string_view id, std::string message,
                    std::optional<Level> level = std::nullopt);
// The same, of a file or folder that no record names: path is inside the delivery.
Finding findingAtPath(std::string_view id, std::string path, std::string message,
                      std::optional<Level> level = std::nullopt);

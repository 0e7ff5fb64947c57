#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/DeliveryCheck.h"
#include "check/Edition.h"

// Whether the file declared itself Shift_JIS (under any of the names Windows writes).
bool isShiftJis(const XmlProlog& prolog);

// Why the DTD that prolog's DOCTYPE names is not beside the file (named as file) in folder;
// nothing when it is there, or when folder is empty and the DOCTYPE names one.
std::optional<std::string> dtdAbsence(const XmlProlog& prolog, const std::string& folder,
                                      std::string_view file);

// The edition input is judged by: the one the contract names, else the one the delivery says.
EditionChoice editionOf(const CheckInput& input);

// What the photo XML file and its folder say wrong of the delivery as a whole, the edition
// applied first: the encoding, the DTD, the sections the edition has, the folder items,
// 適用要領基準, and the characters and lengths of its own texts.
std::vector<Finding> deliveryFindings(const CheckInput& input, const EditionChoice& edition);

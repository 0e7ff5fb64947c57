#pragma once

#include <vector>

#include "check/DeliveryCheck.h"
#include "check/Edition.h"

// Whether the file declared itself Shift_JIS (under any of the names Windows writes).
bool isShiftJis(const XmlProlog& prolog);

// The edition input is judged by: the one the contract names, else the one the delivery says.
EditionChoice editionOf(const CheckInput& input);

// What the photo XML file and its folder say wrong of the delivery as a whole, the edition
// applied first: the encoding, the DTD, the sections the edition has, the folder items,
// 適用要領基準, and the characters and lengths of its own texts.
std::vector<Finding> deliveryFindings(const CheckInput& input, const EditionChoice& edition);

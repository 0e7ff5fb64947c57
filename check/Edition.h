#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/FileProbe.h"
#include "model/XmlProlog.h"

// What one edition of デジタル写真管理情報基準 asks of a photo delivery, as one table: which
// items must be there, how photo files are named and stored. Adding an edition, or another
// orderer's rules, is adding a table.
struct EditionRules {
    std::string_view name;       // "R5.3"
    int since = 0;               // the YYYYMM its 適用要領基準 names
    std::string_view dtdVersion; // "05"; empty for the editions before DTD versions
    bool shotDateRequired = true;
    bool flagsRequired = true; // 代表写真 and 提出頻度写真, as elements
    bool mediumNumberRequired = true;
    std::span<const FileFormat> photoFormats;
};

std::span<const EditionRules> editionTable();
// The edition of that name ("H18.1"); null for none.
const EditionRules* editionNamed(std::string_view name);

// The YYYYMM a 適用要領基準 of the form 分野YYYYMM-NN (土木202303-01) names; nothing for another
// form.
std::optional<int> standardMonth(std::string_view appliedStandard);

// The edition a delivery is judged by, what told it, and what disagreed.
struct EditionChoice {
    const EditionRules* rules = nullptr;
    std::string reason;                 // "DTD_version 05、適用要領基準 土木202303-01"
    std::vector<std::string> conflicts; // each source that disagrees, in words
};

// What the delivery says of its edition. hasConstructionBlock: PHOTO.XML holds 工事情報 (the
// editions before DTD versions); indexStandard: INDEX_C.XML's 適用要領基準, empty without one.
struct EditionSources {
    const XmlProlog& prolog;
    bool hasConstructionBlock = false;
    std::string_view appliedStandard;
    std::string_view indexStandard;
};

EditionChoice chooseEdition(const EditionSources& sources);

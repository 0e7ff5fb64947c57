#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/ConstructionInfo.h"
#include "model/PhotoDataSet.h"
#include "model/XmlProlog.h"

// The construction management file INDEX_C.XML at the root of a disc. Deliveries made since
// about 2006 keep the construction's number, name, period, orderer and contractor there, once
// per disc, instead of in the photo XML file. Read as tolerantly as the photo XML file, with
// the same safeguards, and never written.

// The construction information of an INDEX_C.XML file (root element constdata), its three
// lines composed; nothing when the file is missing, damaged, of another kind or holds none.
std::optional<ConstructionInfo> readConstructionIndex(const std::string& path);

// What tells the discs of one delivery from the discs of another: the construction's number
// and name, and which of its discs this is, of how many.
struct DiscLabel {
    std::string constructionNumber;
    std::string constructionName;
    std::string mediumNumber;
    std::string mediumCount; // メディア総枚数

    bool sameConstruction(const DiscLabel& other) const {
        return constructionNumber == other.constructionNumber &&
               constructionName == other.constructionName;
    }
};

// The label of the disc an INDEX_C.XML file describes; nothing as readConstructionIndex.
std::optional<DiscLabel> readDiscLabel(const std::string& path);

// All an INDEX_C.XML file tells, from one reading: the disc's label, and the construction
// information when the file holds any. Nothing when the file is missing, damaged or foreign.
struct DiscIndex {
    DiscLabel label;
    std::optional<ConstructionInfo> info;
    // What the check judges of the disc: its 適用要領基準 (by which it also tells the edition),
    // 写真フォルダ名, and its encoding and DOCTYPE.
    std::string appliedStandard;
    std::string photoFolder;
    XmlProlog prolog;
};
std::optional<DiscIndex> readDiscIndex(const std::string& path);
// The same of a file's text in memory.
std::optional<DiscIndex> discIndexOfText(std::string_view text);

// When data has no construction information of its own, takes it from the disc's
// INDEX_C.XML at indexPath, read as index, and records where it came from. A 工事情報
// section always wins.
void completeConstructionInfo(PhotoDataSet& data, const std::string& indexPath,
                              const DiscIndex& index);

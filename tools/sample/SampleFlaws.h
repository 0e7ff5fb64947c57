#pragma once

#include <string>
#include <vector>

#include "tools/sample/SampleDelivery.h"

// One fault planted in a flawed delivery: the rule of the check that must report it, and the
// file it is reported on (empty for the delivery as a whole).
struct PlantedFault {
    std::string rule;
    std::string fileName;
};

// Plants one fault in each photo after the first of a clean delivery, as far as there are
// photos, and says where: the check must find every one.
std::vector<PlantedFault> plantFaults(std::vector<SamplePhoto>& photos);
// How many faults plantFaults has, one per photo.
std::size_t flawCount();

// Files and folders (ending in "/") a flawed delivery holds that no record names, by their
// place in the delivery folder.
struct StrayFile {
    std::string path;
    PlantedFault fault;
};
const std::vector<StrayFile>& strayFiles();
// A flawed delivery's DRA is named in lower case, after its files are written.
inline const PlantedFault lowerCaseFolder{"folder-name-case", "dra"};
// A flawed delivery's INDEX_C.XML writes メディア総枚数 in kanji.
inline const PlantedFault damagedIndexItem{"index-item", "INDEX_C.XML"};
std::string withIndexFault(std::string indexXml);
// A flawed delivery's photo XML file also stops before its end.
inline const PlantedFault cutShortXml{"xml-damaged", ""};

// The faults of the delivery as a whole a flawed delivery holds, each reported without a file:
// xml is the photo XML text of a clean one, and the file is written in UTF-8, its DTD left out.
std::string withDeliveryFaults(std::string xml);
const std::vector<PlantedFault>& deliveryFaults();

#include "check/Edition.h"

#include <algorithm>

#include "model/TextForms.h"

namespace {

constexpr FileFormat jpegOnly[] = {FileFormat::Jpeg};
constexpr FileFormat jpegTiff[] = {FileFormat::Jpeg, FileFormat::Tiff};
constexpr FileFormat jpegTiffSvg[] = {FileFormat::Jpeg, FileFormat::Tiff, FileFormat::Svg};

// Oldest first. The sources of each row are in docs/CHECK_RULES.md.
constexpr EditionRules editions[] = {
    {"H14.7", 200207, "", false, false, false, jpegOnly},
    {"H18.1", 200601, "04", true, false, false, jpegOnly},
    {"H20.5", 200805, "05", true, true, true, jpegOnly},
    {"H22.9", 201009, "05", true, true, true, jpegOnly},
    {"H28.3", 201603, "05", true, true, true, jpegOnly},
    {"R2.3", 202003, "05", true, true, true, jpegTiff},
    {"R5.3", 202303, "05", true, true, true, jpegTiffSvg},
};

const EditionRules& latest() {
    return std::end(editions)[-1];
}

// The DTD version the DOCTYPE names when the root element does not say.
std::string versionOf(const XmlProlog& prolog) {
    if (!prolog.dtdVersion.empty())
        return prolog.dtdVersion;
    std::string system = prolog.systemId;
    std::transform(system.begin(), system.end(), system.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    if (system.ends_with("PHOTO04.DTD"))
        return "04";
    return system.ends_with("PHOTO05.DTD") ? "05" : "";
}

// The latest edition of DTD version 05 in force in month.
const EditionRules* versionFiveEditionOf(int month) {
    const EditionRules* found = nullptr;
    for (const EditionRules& edition : editions) {
        if (edition.dtdVersion == "05" && edition.since <= month)
            found = &edition;
    }
    return found;
}

const EditionRules* editionOfVersion(const std::string& version, std::optional<int> month,
                                     bool hasConstructionBlock,
                                     std::vector<std::string>& conflicts) {
    if (version.empty() && hasConstructionBlock)
        return &editions[0];
    if (version == "04")
        return &editions[1];
    if (version == "05") {
        if (const EditionRules* byMonth = month ? versionFiveEditionOf(*month) : nullptr)
            return byMonth;
        conflicts.push_back(month ? "適用要領基準の年月は DTD_version 05 の版より前です"
                                  : "適用要領基準から版を決められません");
        return &latest();
    }
    conflicts.push_back(version.empty()
                            ? "DTD_version も工事情報もなく、版を決められません"
                            : "DTD_version " + version + " はどの版のものでもありません");
    return &latest();
}

} // namespace

std::span<const EditionRules> editionTable() {
    return editions;
}

const EditionRules* editionNamed(std::string_view name) {
    const auto found = std::find_if(std::begin(editions), std::end(editions),
                                    [name](const EditionRules& e) { return e.name == name; });
    return found == std::end(editions) ? nullptr : found;
}

std::optional<int> standardMonth(std::string_view standard) {
    // 分野 is any text without digits; then YYYYMM, a hyphen and two digits.
    const std::size_t digits = standard.find_first_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos || standard.size() != digits + 9)
        return std::nullopt;
    const std::string_view month = standard.substr(digits, 6);
    if (!isAllDigits(month) || standard[digits + 6] != '-' ||
        !isAllDigits(standard.substr(digits + 7)))
        return std::nullopt;
    return std::stoi(std::string(month));
}

EditionChoice chooseEdition(const EditionSources& sources) {
    EditionChoice choice;
    const std::string version = versionOf(sources.prolog);
    const std::optional<int> month = standardMonth(sources.appliedStandard);
    choice.rules = editionOfVersion(version, month, sources.hasConstructionBlock, choice.conflicts);
    if (month && choice.rules->dtdVersion != "05" && *month >= 200805)
        choice.conflicts.push_back("適用要領基準 " + std::string(sources.appliedStandard) +
                                   " は DTD_version " + version + " より後の版です");
    const std::optional<int> indexMonth = standardMonth(sources.indexStandard);
    if (indexMonth && indexMonth != month)
        choice.conflicts.push_back("INDEX_C.XML の適用要領基準 " +
                                   std::string(sources.indexStandard) + " が PHOTO.XML の " +
                                   std::string(sources.appliedStandard) + " と違います");
    if (!version.empty())
        choice.reason = "DTD_version " + version;
    else
        choice.reason =
            sources.hasConstructionBlock ? "DTD_version なし、工事情報あり" : "DTD_version なし";
    if (!sources.appliedStandard.empty())
        choice.reason += "、適用要領基準 " + std::string(sources.appliedStandard);
    return choice;
}

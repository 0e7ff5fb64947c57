#include "check/FolderRules.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>

#include "check/RuleTable.h"
#include "check/TextRules.h"
#include "media/FolderEntries.h"
#include "media/NameLookup.h"

namespace {

using Findings = std::vector<Finding>;
namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> systemFileNames{"THUMBS.DB", "DESKTOP.INI", ".DS_STORE"};

// Files a file manager leaves behind, wherever it went.
bool isSystemFile(const std::string& name) {
    return name.starts_with("._") || std::find(systemFileNames.begin(), systemFileNames.end(),
                                               upperAscii(name)) != systemFileNames.end();
}

struct Walk {
    const CheckInput& input;
    std::set<std::string> named[2]; // photos, drawings: their names in upper case
    Findings stray;
    Findings unlisted;
};

// One entry of PIC or DRA (kind 0 or 1), written inside as "PIC/NAME".
void judgeMediaEntry(Walk& walk, int kind, const fs::directory_entry& entry,
                     const std::string& inside) {
    std::error_code error;
    const std::string name = entry.path().filename().string();
    if (entry.is_directory(error))
        walk.stray.push_back(findingAtPath("stray-file", inside + name + "/",
                                           "PIC・DRA の中にフォルダは置きません"));
    else if (isSystemFile(name))
        walk.stray.push_back(findingAtPath("stray-file", inside + name,
                                           "システムが作ったファイルです（納品しません）"));
    else if (!walk.named[kind].count(upperAscii(name)))
        walk.unlisted.push_back(
            findingAtPath(kind ? "drawing-unlisted" : "file-unlisted", inside + name,
                          "写真管理ファイルのどの記録も指していないファイルです"));
}

void walkMediaFolder(Walk& walk, int kind, const fs::path& folder) {
    const std::string inside = folder.filename().string() + "/";
    for (const fs::directory_entry& entry : folderEntries(folder.string()))
        judgeMediaEntry(walk, kind, entry, inside);
}

// The DTD the DOCTYPE names, in upper case; empty without one.
std::string dtdName(const XmlProlog& prolog) {
    return upperAscii(prolog.systemId.substr(prolog.systemId.rfind('/') + 1));
}

bool isPhotoXml(const CheckInput& input, const std::string& name) {
    const std::string& path = input.photoXml;
    return path.empty() ? upperAscii(name) == "PHOTO.XML"
                        : name == path.substr(path.rfind('/') + 1);
}

void walkPhotoFolder(Walk& walk) {
    const std::string dtd = dtdName(walk.input.data.prolog);
    std::error_code error;
    for (const fs::directory_entry& entry : folderEntries(deliveryFolderOf(walk.input).string())) {
        const std::string name = entry.path().filename().string();
        const std::string upper = upperAscii(name);
        const bool folder = entry.is_directory(error);
        if (folder && (upper == "PIC" || upper == "DRA"))
            walkMediaFolder(walk, upper == "DRA", entry.path());
        else if (!folder &&
                 (isPhotoXml(walk.input, name) || upper == dtd || upper.ends_with(".XSL")))
            continue;
        else if (isSystemFile(name))
            walk.stray.push_back(
                findingAtPath("stray-file", name, "システムが作ったファイルです（納品しません）"));
        else
            walk.stray.push_back(findingAtPath("stray-file", name + (folder ? "/" : ""),
                                               "PHOTO フォルダには写真管理ファイル、DTD、XSL、PIC、"
                                               "DRA のほかは置きません"));
    }
}

Findings unlistedAfterDamage(const Findings& unlisted) {
    if (unlisted.empty())
        return {};
    const auto drawings = std::count_if(unlisted.begin(), unlisted.end(), [](const Finding& f) {
        return f.ruleId == "drawing-unlisted";
    });
    return {makeFinding("unlisted-after-damage",
                        "どの記録も指していないファイルが PIC に " +
                            std::to_string(unlisted.size() - std::size_t(drawings)) +
                            " 件、DRA に " + std::to_string(drawings) +
                            " 件あります。読めなかった部分の記録が指しているかもしれません")};
}

bool isUpperCase(const std::string& name) {
    return upperAscii(name) == name;
}

Findings folderNameCase(const CheckInput& input) {
    const fs::path folder = deliveryFolderOf(input);
    std::vector<std::string> names;
    if (discRootOf(input))
        names.push_back(folder.filename().string());
    for (const char* sub : {"PIC", "DRA"}) {
        if (const auto found = entryIgnoringCase(folder.string(), sub))
            names.push_back(fs::path(*found).filename().string());
    }
    Findings found;
    for (const std::string& name : names) {
        if (isUpperCase(name))
            continue;
        if (input.namesMapped)
            return {
                findingAtPath("folder-name-case", name,
                              "この媒体（ISO 9660）は名前を小文字で見せるため、フォルダ名の大文字・"
                              "小文字は判定できません",
                              Level::Info)};
        found.push_back(findingAtPath("folder-name-case", name,
                                      "フォルダ名「" + name + "」は大文字で書きます（" +
                                          upperAscii(name) + "）"));
    }
    return found;
}

} // namespace

fs::path deliveryFolderOf(const CheckInput& input) {
    const std::string& photos = input.folders.photos;
    return fs::path(photos.substr(0, photos.rfind("./"))).parent_path();
}

// The folder holding the photo XML file is a disc's PHOTO when it is so named; a delivery
// folder copied alone may be named anything.
std::optional<fs::path> discRootOf(const CheckInput& input) {
    const fs::path folder = deliveryFolderOf(input);
    if (upperAscii(folder.filename().string()) != "PHOTO")
        return std::nullopt;
    return folder.parent_path();
}

std::vector<Finding> folderFindings(const CheckInput& input) {
    Walk walk{input, {}, {}, {}};
    for (const PhotoRecord* photo : input.data.photos) {
        walk.named[0].insert(upperAscii(photo->slots[PhotoSlot::FileName]));
        for (const ReferenceDrawing& drawing : photo->drawings)
            walk.named[1].insert(upperAscii(drawing.slots[DrawingSlot::DrawingFileName]));
    }
    walkPhotoFolder(walk);
    Findings found = folderNameCase(input);
    found.insert(found.end(), walk.stray.begin(), walk.stray.end());
    const auto& damage = input.data.readError;
    const Findings unlisted =
        damage && damage->recordsLost ? unlistedAfterDamage(walk.unlisted) : walk.unlisted;
    found.insert(found.end(), unlisted.begin(), unlisted.end());
    return found;
}

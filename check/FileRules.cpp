#include "check/FileRules.h"

#include <algorithm>

#include "check/RuleTable.h"
#include "check/TextRules.h"

namespace {

using Findings = std::vector<Finding>;

// The guideline's 100万〜300万画素程度: 程度 allows a tenth or so either way, so that
// 1152×864 and 2048×1536 pass.
constexpr long long fewestPixels = 900'000;
constexpr long long mostPixels = 3'200'000;

// The format an extension promises; Other for one that promises none of the three.
FileFormat formatOfExtension(std::string_view extension) {
    const std::string upper = upperAscii(extension);
    if (upper == "JPG" || upper == "JPEG")
        return FileFormat::Jpeg;
    if (upper == "TIF" || upper == "TIFF")
        return FileFormat::Tiff;
    return upper == "SVG" ? FileFormat::Svg : FileFormat::Other;
}

std::string formatList(std::span<const FileFormat> allowed) {
    std::string list;
    for (const FileFormat format : allowed)
        list += (list.empty() ? "" : "・") + std::string(formatName(format));
    return list;
}

// False when the content is none of the formats the edition allows: nothing else can be said
// of it.
bool checkFormat(const FileFacts& facts, std::string_view name, const std::string& prefix,
                 std::span<const FileFormat> allowed, Findings& found) {
    const std::string_view content = formatName(facts.format);
    if (content.empty() ||
        std::find(allowed.begin(), allowed.end(), facts.format) == allowed.end()) {
        found.push_back(makeFinding(
            prefix + "-format",
            (content.empty() ? std::string("内容が") : "内容は " + std::string(content) + " で、") +
                "この版で使える " + formatList(allowed) + " のどれでもありません"));
        return false;
    }
    const FileFormat promised = formatOfExtension(extensionOf(name));
    if (promised != FileFormat::Other && promised != facts.format)
        found.push_back(
            makeFinding(prefix + "-format", "拡張子は ." + std::string(extensionOf(name)) +
                                                " ですが内容は " + std::string(content) + " です"));
    return true;
}

void checkPhotoOnly(const FileFacts& facts, const std::string& shotDate, Findings& found) {
    // A file reported as damaged has lost what its date would be read from.
    const bool whole = facts.decodable && !facts.truncated;
    if (facts.format == FileFormat::Jpeg && whole && !facts.exifDate)
        found.push_back(
            makeFinding("exif-date-missing", "Exif の撮影日時（DateTimeOriginal）がありません"));
    else if (facts.exifDate && isRealDate(shotDate) && *facts.exifDate != shotDate)
        found.push_back(makeFinding("exif-date-mismatch", "Exif の撮影日時は " + *facts.exifDate +
                                                              "、撮影年月日は " + shotDate +
                                                              " です"));
    const long long pixels = static_cast<long long>(facts.width) * facts.height;
    if (pixels > 0 && (pixels < fewestPixels || pixels > mostPixels))
        found.push_back(makeFinding(
            "pixels-range", std::to_string(facts.width) + "×" + std::to_string(facts.height) +
                                "（" + std::to_string(pixels) +
                                " 画素）は 100万〜300万画素程度（90万〜320万画素）ではありません"));
}

} // namespace

std::string_view formatName(FileFormat format) {
    switch (format) {
    case FileFormat::Jpeg:
        return "JPEG";
    case FileFormat::Tiff:
        return "TIFF";
    case FileFormat::Svg:
        return "SVG";
    default:
        return "";
    }
}

std::vector<Finding> fileFindings(const FileFacts& facts, std::string_view name,
                                  std::string_view prefix, const std::string* shotDate,
                                  std::span<const FileFormat> allowed) {
    Findings found;
    const std::string rule(prefix);
    if (facts.leavesDelivery) {
        found.push_back(
            makeFinding(rule + "-name-unsafe",
                        "納品フォルダーの外のファイルへのシンボリックリンクです（開かない）"));
        return found;
    }
    if (!checkFormat(facts, name, rule, allowed, found))
        return found;
    if (!facts.decodable)
        found.push_back(
            makeFinding(rule + "-undecodable", "画像として読めません（壊れたファイル）"));
    else if (facts.truncated)
        found.push_back(
            makeFinding(rule + "-truncated",
                        "JPEG の終わりの印（EOI）がありません（コピーが途中で切れたファイル）"));
    if (shotDate)
        checkPhotoOnly(facts, *shotDate, found);
    return found;
}

#include "check/RuleTable.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr Level E = Level::Error;
constexpr Level C = Level::Caution;
constexpr Level I = Level::Info;

constexpr RuleInfo rules[] = {
    {"xml-damaged", E, "写真管理ファイルを終わりまで読めない（途中で終わっている、壊れている）"},
    {"unlisted-after-damage", I,
     "PIC・DRA のどの記録も指していないファイルがあるが、読めなかった部分が指しているかもしれない"},
    {"serial-missing", E, "シリアル番号が空"},
    {"serial-not-number", E, "シリアル番号が半角数字の正の整数でない"},
    {"serial-duplicate", E, "シリアル番号が重複している"},
    {"required-missing", E, "必須項目が空"},
    {"date-format", E, "撮影年月日が CCYY-MM-DD の実在する日付でない"},
    {"date-outside-period", C, "撮影年月日が工期の外"},
    {"flag-value", E, "代表写真・提出頻度写真が 0 か 1 でない"},
    {"category-value", C, "写真区分が基準の区分にない"},
    {"work-type-missing", C, "工種が空"},
    {"file-name-rule", E, "写真ファイル名が P＋数字7桁＋拡張子の大文字でない"},
    {"file-name-unsafe", E, "写真ファイル名にフォルダの区切りなどがある（開かない）"},
    {"file-name-duplicate", E, "同じ写真ファイルを二つの写真が指している"},
    {"file-missing", E, "写真ファイルがこの媒体にない"},
    {"file-other-medium", I, "写真ファイルは別の媒体にある（読み込まれていない）"},
    {"file-undecodable", E, "写真ファイルを画像として読めない"},
    {"file-truncated", E, "写真ファイルが途中で切れている"},
    {"file-format", E, "写真ファイルの形式が JPEG・TIFF・SVG でないか、拡張子と違う"},
    {"exif-date-mismatch", C, "Exif の撮影日時が撮影年月日と違う日"},
    {"exif-date-missing", C, "Exif の撮影日時がない"},
    {"pixels-range", C, "画素数が 100万〜300万画素程度の外"},
    {"file-unlisted", C, "PIC の中に写真管理ファイルにないファイルがある"},
    {"drawing-name-rule", E, "参考図ファイル名が D＋数字7桁＋拡張子の大文字でない"},
    {"drawing-name-unsafe", E, "参考図ファイル名にフォルダの区切りなどがある（開かない）"},
    {"drawing-missing", E, "参考図ファイルがこの媒体にない"},
    {"drawing-other-medium", I, "参考図ファイルは別の媒体にある（読み込まれていない）"},
    {"drawing-undecodable", E, "参考図ファイルを画像として読めない"},
    {"drawing-truncated", E, "参考図ファイルが途中で切れている"},
    {"drawing-format", E, "参考図ファイルの形式が JPEG・TIFF・SVG でないか、拡張子と違う"},
    {"drawing-unlisted", C, "DRA の中に写真管理ファイルにないファイルがある"},
};

} // namespace

std::string_view levelName(Level level) {
    switch (level) {
    case Level::Error:
        return "エラー";
    case Level::Caution:
        return "注意";
    case Level::Info:
        break;
    }
    return "情報";
}

std::span<const RuleInfo> ruleTable() {
    return rules;
}

const RuleInfo& ruleInfo(std::string_view id) {
    const auto found = std::find_if(std::begin(rules), std::end(rules),
                                    [id](const RuleInfo& rule) { return rule.id == id; });
    if (found == std::end(rules))
        throw std::out_of_range("unknown rule");
    return *found;
}

Finding makeFinding(std::string_view id, std::string message) {
    const RuleInfo& rule = ruleInfo(id);
    Finding finding;
    finding.level = rule.level;
    finding.ruleId = rule.id;
    finding.message = std::move(message);
    return finding;
}

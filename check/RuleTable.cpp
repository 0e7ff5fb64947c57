#include "check/RuleTable.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

constexpr Level E = Level::Error;
constexpr Level C = Level::Caution;
constexpr Level I = Level::Info;

constexpr RuleInfo rules[] = {
    {"edition", I, "検査に使った基準の版と、それを決めた記述"},
    {"edition-mismatch", C, "基準の版を示す記述が食い違う（DTD の版、適用要領基準、INDEX_C.XML）"},
    {"xml-damaged", E, "写真管理ファイルを終わりまで読めない（途中で終わっている、壊れている）"},
    {"xml-encoding", E, "写真管理ファイルの文字コードが Shift_JIS でない"},
    {"dtd-missing", E, "DOCTYPE がないか、DOCTYPE の DTD ファイルが PHOTO フォルダにない"},
    {"xml-structure", E,
     "その版にない要素か、グループの外に書かれた要素がある（DTD 04・05 "
     "の写真管理ファイルの工事情報など）"},
    {"folder-item", E, "写真フォルダ名が PHOTO/PIC でないか、参考図フォルダ名が PHOTO/DRA でない"},
    {"standard-missing", E, "適用要領基準が空か、分野YYYYMM-NN の形でない"},
    {"unlisted-after-damage", I,
     "PIC・DRA のどの記録も指していないファイルがあるが、読めなかった部分が指しているかもしれない"},
    {"serial-missing", E, "シリアル番号が空"},
    {"serial-not-number", E, "シリアル番号が半角数字 7 桁以内の正の整数でない"},
    {"serial-duplicate", E, "シリアル番号が重複している"},
    {"required-missing", E, "その版で必須の項目が空か、ない"},
    {"medium-number", E, "メディア番号が 1 以上の半角数字でないか、メディア総枚数を超えている"},
    {"date-format", E, "撮影年月日が CCYY-MM-DD の実在する日付でない"},
    {"date-outside-period", C, "撮影年月日が工期の外"},
    {"flag-value", E, "代表写真・提出頻度写真が 0 か 1 でない"},
    {"major-category-value", E,
     "写真-大分類が 工事・測量・調査・地質・広報・設計・その他 のどれでもない"},
    {"category-value", E, "写真-大分類が工事の写真の写真区分が基準の 9 区分にない"},
    {"work-type-missing", E,
     "提出頻度写真の工事写真に工種・種別・細別がない（事故写真・その他は注意）"},
    {"text-too-long", E, "項目が基準の文字数を超えている（半角は全角の半分に数える）"},
    {"char-halfwidth-kana", E, "半角カタカナを使っている"},
    {"char-outside-jis", E, "JIS X 0208 にない文字（機種依存文字、外字など）を使っている"},
    {"char-fullwidth-alnum", E, "全角の英字・数字を使っている（半角で書く）"},
    {"file-name-rule", E, "写真ファイル名が P＋数字7桁＋その版の形式の大文字の拡張子でない"},
    {"file-name-unsafe", E, "写真ファイル名にフォルダの区切りなどがある（開かない）"},
    {"file-name-duplicate", E, "同じ写真ファイルを二つの写真が指している"},
    {"file-missing", E, "写真ファイルがこの媒体にない"},
    {"file-other-medium", I, "写真ファイルは別の媒体にある（読み込まれていない）"},
    {"file-undecodable", E, "写真ファイルを画像として読めない"},
    {"file-truncated", E, "写真ファイルが途中で切れている"},
    {"file-format", E, "写真ファイルの形式がその版で使えるものでないか、拡張子と違う"},
    {"exif-date-mismatch", C, "Exif の撮影日時が撮影年月日と違う日"},
    {"exif-date-missing", C, "JPEG に Exif の撮影日時がない"},
    {"pixels-range", C, "画素数が 100万〜300万画素程度（90万〜320万画素）の外"},
    {"file-unlisted", E, "PIC の中に写真管理ファイルのどの記録も指していないファイルがある"},
    {"drawing-name-rule", E, "参考図ファイル名が D＋数字7桁＋3 文字以内の大文字の拡張子でない"},
    {"drawing-name-unsafe", E, "参考図ファイル名にフォルダの区切りなどがある（開かない）"},
    {"drawing-missing", E, "参考図ファイルがこの媒体にない"},
    {"drawing-other-medium", I, "参考図ファイルは別の媒体にある（読み込まれていない）"},
    {"drawing-undecodable", E, "参考図ファイルを画像として読めない"},
    {"drawing-truncated", E, "参考図ファイルが途中で切れている"},
    {"drawing-format", E, "参考図ファイルの形式がその版で使えるものでないか、拡張子と違う"},
    {"drawing-unlisted", E, "DRA の中に写真管理ファイルのどの記録も指していないファイルがある"},
    {"stray-file", E,
     "PHOTO フォルダに基準にないファイルやフォルダがある（Thumbs.db、サブフォルダなど）"},
    {"folder-name-case", E, "PHOTO・PIC・DRA のフォルダ名が大文字でない"},
    {"index-missing", C, "ディスクのルートに INDEX_C.XML がない"},
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

Finding makeFinding(std::string_view id, std::string message, std::optional<Level> level) {
    const RuleInfo& rule = ruleInfo(id);
    Finding finding;
    finding.level = level.value_or(rule.level);
    finding.ruleId = rule.id;
    finding.message = std::move(message);
    return finding;
}

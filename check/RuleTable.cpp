#include "check/RuleTable.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

constexpr Level E = Level::Error;
constexpr Level C = Level::Caution;
constexpr Level I = Level::Info;

// The public texts the rules come from, as docs/CHECK_RULES.md cites them; a rule of the
// check's own (the edition it applied, a damaged file) names none.
constexpr std::string_view h14Folders = "デジタル写真管理情報基準（案）H14.7 §3 フォルダ構成";
constexpr std::string_view h14Items = "デジタル写真管理情報基準（案）H14.7 付属資料1 記入方法";
constexpr std::string_view h14Files = "デジタル写真管理情報基準（案）H14.7 §5・§6 ファイル仕様";
constexpr std::string_view h14Media =
    "デジタル写真管理情報基準（案）H14.7 §9 電子媒体が複数枚の時の取り扱い";
constexpr std::string_view qa55 = "国総研 電子納品に関するQ&A P-54・P-55";
constexpr std::string_view characters = "工事完成図書の電子納品等要領 §8-2 使用文字";
constexpr std::string_view guideline = "電子納品運用ガイドライン §6.5.1 写真ファイル等の作成";
constexpr std::string_view formats = "デジタル写真管理情報基準 R2.3・R5.3 ファイル形式";
constexpr std::string_view index = "工事完成図書の電子納品要領（案）H13.8 §4-1 工事管理項目";
constexpr std::string_view blackboard = "国土交通省 工事写真での電子黒板の活用の通知（2017年2月）";
constexpr std::string_view editing = "デジタル写真管理情報基準 H18.1 §6 写真編集等";
constexpr std::string_view none = "";

constexpr RuleInfo rules[] = {
    {"edition", I, "検査に使った基準の版と、それを決めた記述", none},
    {"edition-mismatch", C, "基準の版を示す記述が食い違う（DTD の版、適用要領基準、INDEX_C.XML）",
     none},
    {"xml-damaged", E, "写真管理ファイルを終わりまで読めない（途中で終わっている、壊れている）",
     none},
    {"xml-encoding", E, "写真管理ファイルの文字コードが Shift_JIS でない", none},
    {"dtd-missing", E, "DOCTYPE がないか、DOCTYPE の DTD ファイルが PHOTO フォルダにない",
     h14Folders},
    {"xml-structure", E,
     "その版にない要素か、グループの外に書かれた要素がある（DTD 04・05 "
     "の写真管理ファイルの工事情報など）",
     none},
    {"folder-item", E, "写真フォルダ名が PHOTO/PIC でないか、参考図フォルダ名が PHOTO/DRA でない",
     h14Folders},
    {"standard-missing", E, "適用要領基準が空か、分野YYYYMM-NN の形でない", h14Items},
    {"unlisted-after-damage", I,
     "PIC・DRA のどの記録も指していないファイルがあるが、読めなかった部分が指しているかもしれない",
     none},
    {"serial-missing", E, "シリアル番号が空", h14Items},
    {"serial-not-number", E, "シリアル番号が半角数字 7 桁以内の正の整数でない", h14Items},
    {"serial-duplicate", E, "シリアル番号が重複している", h14Items},
    {"required-missing", E, "その版で必須の項目が空か、ない", qa55},
    {"medium-number", E, "メディア番号が 1 以上の半角数字でないか、メディア総枚数を超えている",
     h14Media},
    {"date-format", E, "撮影年月日が CCYY-MM-DD の実在する日付でない", h14Items},
    {"date-outside-period", C, "撮影年月日が工期の外", none},
    {"flag-value", E, "代表写真・提出頻度写真が 0 か 1 でない", h14Items},
    {"major-category-value", E,
     "写真-大分類が 工事・測量・調査・地質・広報・設計・その他 のどれでもない", h14Items},
    {"category-value", E, "写真-大分類が工事の写真の写真区分が基準の 9 区分にない", qa55},
    {"work-type-missing", E,
     "提出頻度写真の工事写真に工種・種別・細別がない（事故写真・その他は注意）", none},
    {"text-too-long", E, "項目が基準の文字数を超えている（半角は全角の半分に数える）", qa55},
    {"char-halfwidth-kana", E, "半角カタカナを使っている", characters},
    {"char-outside-jis", E, "JIS X 0208 にない文字（機種依存文字、外字など）を使っている",
     characters},
    {"char-fullwidth-alnum", E, "全角の英字・数字を使っている（半角で書く）", characters},
    {"file-name-rule", E, "写真ファイル名が P＋数字7桁＋その版の形式の大文字の拡張子でない",
     h14Files},
    {"file-name-unsafe", E, "写真ファイル名にフォルダの区切りなどがある（開かない）", none},
    {"file-name-duplicate", E, "同じ写真ファイルを二つの写真が指している", h14Files},
    {"file-missing", E, "写真ファイルがこの媒体にない", h14Files},
    {"file-other-medium", I, "写真ファイルは別の媒体にある（読み込まれていない）", h14Media},
    {"file-undecodable", E, "写真ファイルを画像として読めない", none},
    {"file-truncated", E, "写真ファイルが途中で切れている", none},
    {"file-format", E, "写真ファイルの形式がその版で使えるものでないか、拡張子と違う", formats},
    {"exif-date-mismatch", C, "Exif の撮影日時が撮影年月日と違う日", guideline},
    {"exif-date-missing", C, "JPEG に Exif の撮影日時がない", guideline},
    {"pixels-range", C, "画素数が 100万〜300万画素程度（90万〜320万画素）の外", guideline},
    {"file-unlisted", E, "PIC の中に写真管理ファイルのどの記録も指していないファイルがある",
     h14Files},
    {"drawing-name-rule", E, "参考図ファイル名が D＋数字7桁＋3 文字以内の大文字の拡張子でない",
     h14Files},
    {"drawing-name-unsafe", E, "参考図ファイル名にフォルダの区切りなどがある（開かない）", none},
    {"drawing-missing", E, "参考図ファイルがこの媒体にない", h14Files},
    {"drawing-other-medium", I, "参考図ファイルは別の媒体にある（読み込まれていない）", h14Media},
    {"drawing-undecodable", E, "参考図ファイルを画像として読めない", none},
    {"drawing-truncated", E, "参考図ファイルが途中で切れている", none},
    {"drawing-format", E, "参考図ファイルの形式がその版で使えるものでないか、拡張子と違う",
     formats},
    {"drawing-unlisted", E, "DRA の中に写真管理ファイルのどの記録も指していないファイルがある",
     h14Files},
    {"stray-file", E,
     "PHOTO フォルダに基準にないファイルやフォルダがある（Thumbs.db、サブフォルダなど）",
     h14Folders},
    {"folder-name-case", E, "PHOTO・PIC・DRA のフォルダ名が大文字でない", h14Folders},
    {"index-missing", C, "ディスクのルートに INDEX_C.XML がない", index},
    {"index-item", E,
     "INDEX_C.XML が読めないか、メディア番号・メディア総枚数・適用要領基準・工期・工事番号・"
     "工事名称・写真フォルダ名が正しくない",
     index},
    {"index-dtd-missing", E, "INDEX_C.XML の DOCTYPE の DTD ファイルが INDEX_C.XML の横にない",
     index},
    {"disc-mismatch", E, "同じ工事のディスクどうしでメディア番号が重なるか、メディア総枚数が違う",
     h14Media},
    {"blackboard-mismatch", C,
     "電子黒板の工種・種別・細別・撮影日・写真タイトル・測点が写真管理ファイルと違う", blackboard},
    {"blackboard-present", I, "電子黒板の情報を持つ写真の数（改ざん検知値はここでは検証しない）",
     blackboard},
    {"edit-software", C, "Exif の Software が画像編集ソフト（編集ソフトで保存された可能性）",
     editing},
    {"edit-resized", C,
     "Exif に記録された大きさと画像の大きさが違う（編集ソフトで保存された可能性）", editing},
    {"edit-modified", C, "Exif の更新日時が撮影日時より 1 分以上後（編集ソフトで保存された可能性）",
     editing},
    {"photo-reused", C,
     "二つの写真が同じ絵（同じファイルの内容か、保存し直し・縮小・切り抜きをした写真）", none},
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

Finding findingAtPath(std::string_view id, std::string path, std::string message,
                      std::optional<Level> level) {
    Finding finding = makeFinding(id, std::move(message), level);
    finding.fileName = std::move(path);
    return finding;
}

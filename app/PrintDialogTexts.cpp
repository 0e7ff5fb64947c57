#include "app/PrintDialogTexts.h"

#include <cstring>

namespace {

struct Text {
    const char* english;
    const char* japanese;
};

const Text texts[] = {
    {"Pages", "ページ指定"},
    {"Double Sided Printing", "両面印刷"},
    {"Off", "しない"},
    {"Long side binding", "長辺とじ"},
    {"Short side binding", "短辺とじ"},
    {"Advanced", "詳細設定"},
    {"Specify pages or ranges separated by commas. Ranges are specified by two numbers "
     "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "印刷するページや範囲をカンマで区切って指定します。範囲は二つの番号をハイフンで"
     "つなぎます。例: 3,5-7,9 で 3、5、6、7、9 ページを印刷します。"},
    {"Invalid Pages Definition", "ページ指定が正しくありません"},
    {"%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' "
     "to define ranges and make sure ranges do not intersect with each other.",
     "%1 は正しい書き方ではありません。ページと範囲は「,」で区切り、範囲は「-」でつなぎ、"
     "範囲が重ならないようにしてください。"},
    {"Page Setup Conflicts", "ページ設定の競合"},
    {"There are conflicts in page setup options. Do you want to fix them?",
     "ページ設定のオプションが競合しています。修正しますか?"},
    {"Advanced Option Conflicts", "詳細設定の競合"},
    {"There are conflicts in some advanced options. Do you want to fix them?",
     "詳細設定のオプションが競合しています。修正しますか?"},
    {"Duplex Settings Conflicts", "両面印刷の設定の競合"},
    {"There are conflicts in duplex settings. Do you want to fix them?",
     "両面印刷の設定が競合しています。修正しますか?"},
    {"There are conflicts in some options. Please fix them.",
     "オプションが競合しています。修正してください。"},
};

} // namespace

QString PrintDialogTexts::translate(const char* context, const char* sourceText, const char*,
                                    int) const {
    // Only the print dialog's own classes: "Off" or "Pages" may mean other things elsewhere.
    if (!context || std::strncmp(context, "QPrint", 6) != 0 || !sourceText)
        return {};
    for (const Text& text : texts) {
        if (std::strcmp(text.english, sourceText) == 0)
            return QString::fromUtf8(text.japanese);
    }
    return {};
}

#include "model/ReadErrorReason.h"

#include <libxml/xmlerror.h>

std::string readErrorReason(const SaxError& problem) {
    // Whatever libxml2 calls it, a fault met once the input had ended is a file cut short: its
    // push parser says "Extra content at the end of the document" for a missing closing tag.
    if (problem.atEndOfInput)
        return "ファイルが途中で終わっています";
    switch (problem.code) {
    case XML_ERR_DOCUMENT_EMPTY:
        return "ファイルが空です";
    case XML_ERR_DOCUMENT_START:
        return "XML の文書ではありません";
    case XML_ERR_DOCUMENT_END:
        return "文書の終わりの後にまだ内容があります";
    case XML_ERR_INVALID_CHAR:
        return "XML に使えない文字があります（壊れたファイルか、NUL で埋まった部分）";
    case XML_ERR_UNSUPPORTED_ENCODING:
    case XML_ERR_INVALID_ENCODING:
        return "文字コードが宣言と合いません";
    case XML_ERR_GT_REQUIRED:
    case XML_ERR_LTSLASH_REQUIRED:
    case XML_ERR_TAG_NOT_FINISHED:
        return "タグが閉じていません";
    case XML_ERR_TAG_NAME_MISMATCH:
        return "開始タグと終了タグの名前が合いません";
    case XML_ERR_NAME_REQUIRED:
        return "タグの名前がありません";
    case XML_ERR_UNDECLARED_ENTITY:
    case XML_WAR_UNDECLARED_ENTITY:
    case XML_ERR_ENTITYREF_SEMICOL_MISSING:
        return "「&」で始まる参照が正しくありません";
    case XML_ERR_ENTITY_LOOP:
        return "参照の展開が上限を超えました";
    case XML_ERR_LT_IN_ATTRIBUTE:
    case XML_ERR_ATTRIBUTE_NOT_STARTED:
    case XML_ERR_ATTRIBUTE_NOT_FINISHED:
    case XML_ERR_ATTRIBUTE_WITHOUT_VALUE:
    case XML_ERR_ATTRIBUTE_REDEFINED:
    case XML_ERR_LITERAL_NOT_FINISHED:
        return "タグの属性の書き方が正しくありません";
    case XML_ERR_COMMENT_NOT_FINISHED:
    case XML_ERR_CDATA_NOT_FINISHED:
        return "コメントか CDATA が閉じていません";
    default:
        return "XML の書き方が正しくない箇所があります";
    }
}

#include "document/SystemErrorText.h"

#include <cerrno>
#include <string>

std::string systemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "ファイルが見つかりません。";
    case EACCES:
    case EPERM:
        return "アクセスが拒否されました。";
    case EISDIR:
        return "フォルダーはファイルとして開けません。";
    case ENOTDIR:
        return "パスの途中がフォルダーではありません。";
    case EROFS:
        return "読み取り専用のメディアです。";
    case ENOSPC:
    case EDQUOT:
        return "ディスクに空きがありません。";
    case EIO:
        return "読み書きできませんでした。媒体が傷んでいるか、取り出されています。";
    case ENAMETOOLONG:
        return "ファイル名かパスが長すぎます。";
    case EEXIST:
        return "同じ名前のファイルがあります。";
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
        return "媒体が入っていないか、装置がありません。";
    case EBUSY:
    case ETXTBSY:
        return "ファイルが使用中です。";
    case EMFILE:
    case ENFILE:
        return "開いているファイルが多すぎます。";
    case ELOOP:
        return "シンボリックリンクが循環しています。";
    case EFBIG:
        return "ファイルが大きすぎます。";
    default:
        // The system's own text is English: the number lets an administrator look it up.
        return "システムのエラーです（エラー番号 " + std::to_string(error) + "）。";
    }
}

#include "document/SystemErrorText.h"

#include <cerrno>
#include <cstring>

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
    default:
        return std::strerror(error);
    }
}

#include "platform/files/FileError.h"

#include <cerrno>
#include <system_error>

namespace files {

std::string SystemReason(int errorNumber) {
    switch (errorNumber) {
    case EACCES:
        return "アクセス権がありません。";
    case EPERM:
        return "この操作の権限がありません。";
    case ENOSPC:
        return "ディスクの空き容量が足りません。";
    case EDQUOT:
        return "ディスクの使用量の上限を超えました。";
    case EROFS:
        return "読み出し専用のディスクなので書き込めません。";
    case ENOENT:
        return "見つかりません。";
    case EEXIST:
        return "同じ名前のアイテムがすでにあります。";
    case ENAMETOOLONG:
        return "名前が長すぎます。";
    case EIO:
        return "ディスクの読み書きでエラーが発生しました。";
    case EFBIG:
        return "ファイルが大きすぎて書き込めません。";
    case ELOOP:
        return "シンボリックリンクをたどれません。";
    case ENOTDIR:
        return "フォルダではありません。";
    case EISDIR:
        return "フォルダなので処理できません。";
    case ENOTEMPTY:
        return "フォルダが空ではありません。";
    case EAGAIN:
        return "すぐに読み出せないファイルなので読めません。";
    default:
        return "エラーが発生しました（" + std::generic_category().message(errorNumber) + "）。";
    }
}

std::string SystemError(std::string_view path, int errorNumber) {
    return PathError(path, SystemReason(errorNumber));
}

std::string PathError(std::string_view path, std::string_view reason) {
    std::string text = "「";
    text += path;
    text += "」：";
    text += reason;
    return text;
}

} // namespace files

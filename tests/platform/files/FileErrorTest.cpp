#include "platform/files/FileError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

TEST(FileError, NamesThePathAndSaysWhyInJapanese) {
    EXPECT_EQ(files::SystemError("/a/Plan", EACCES), "「/a/Plan」：アクセス権がありません。");
    // Every common cause has words of its own, none of them the system's English.
    for (const int error : {EACCES, EPERM, ENOSPC, EDQUOT, EROFS, ENOENT, EEXIST, ENAMETOOLONG, EIO,
                            EFBIG, ELOOP, ENOTDIR, EISDIR}) {
        const std::string reason = files::SystemReason(error);
        EXPECT_EQ(reason.find(std::strerror(error)), std::string::npos) << reason;
        EXPECT_TRUE(reason.ends_with("。")) << reason;
    }
    // Any other cause still reads in Japanese, with the system's text in brackets.
    EXPECT_EQ(files::SystemReason(EXDEV),
              std::string("エラーが発生しました（") + std::strerror(EXDEV) + "）。");
}

} // namespace

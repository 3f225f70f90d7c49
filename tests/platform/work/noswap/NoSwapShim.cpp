// Linked into the tests of this folder in front of the C library's own
// renames: a file system that can't swap two entries in one step, as many
// can't, and, when the test asks for it, another program that takes a name
// the moment a replace has set its entry aside.

#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

template <typename Function> Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                         unsigned int flags) {
    if ((flags & RENAME_EXCHANGE) != 0) {
        errno = EINVAL;
        return -1;
    }
    using Renameat2 = int (*)(int, const char*, int, const char*, unsigned int);
    static const auto next = Next<Renameat2>("renameat2");
    return next(fromFolder, from, toFolder, to, flags);
}

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    using Renameat = int (*)(int, const char*, int, const char*);
    static const auto next = Next<Renameat>("renameat");
    const int result = next(fromFolder, from, toFolder, to);
    if (result == 0 && std::getenv("NOSWAP_TAKE_THE_PLACE") != nullptr &&
        std::strcmp(to, ".dravo-aside-entry") == 0) {
        const int intruder = openat(fromFolder, from, O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (intruder >= 0)
            close(intruder);
    }
    return result;
}

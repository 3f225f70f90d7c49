#include "platform/files/ProgramFolder.h"

#include <unistd.h>

#include <climits>

namespace files {

namespace {

// The target of a process's executable link; "" when unreadable.
std::string ExecutableOf(const std::string& process) {
    std::string path(PATH_MAX, '\0');
    const ssize_t length =
        readlink(("/proc/" + process + "/exe").c_str(), path.data(), path.size());
    if (length <= 0)
        return "";
    path.resize(static_cast<std::size_t>(length));
    return path;
}

} // namespace

std::string ExecutablePath() {
    const std::string path = ExecutableOf("self");
    return path.empty() ? "/" : path;
}

} // namespace files

#include "platform/files/ProgramFolder.h"

#include <unistd.h>

#include <cerrno>
#include <climits>

namespace files {

namespace {

// The target of a process's executable link; "" with errno set when unreadable.
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

bool RunsThisProgram(int processId) {
    const std::string executable = ExecutableOf(std::to_string(processId));
    if (executable.empty())
        return errno != ENOENT && errno != ESRCH;
    return executable == ExecutableOf("self");
}

} // namespace files

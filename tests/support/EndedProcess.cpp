#include "tests/support/EndedProcess.h"

#include "platform/files/ProcessIdentity.h"

#include <sys/wait.h>
#include <unistd.h>

ProcessOwner EndedProcess() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    // Its start is still told while it waits to be reaped.
    siginfo_t info{};
    waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT);
    const auto start = files::ProcessStartTime(child);
    waitpid(child, nullptr, 0);
    return {child, start.value_or(0)};
}

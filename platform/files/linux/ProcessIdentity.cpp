#include "platform/files/ProcessIdentity.h"

#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace files {

namespace {

// Field 22 of /proc/<id>/stat; the name in field 2 may hold blanks and
// brackets, so the fields are counted from its closing bracket.
std::optional<std::uint64_t> StartTimeOf(const std::string& process) {
    std::ifstream stat("/proc/" + process + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return std::nullopt;
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return std::nullopt;
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string field;
    for (int number = 3; number <= 22 && fields >> field; ++number)
        if (number == 22) {
            std::uint64_t start = 0;
            const auto [end, failure] =
                std::from_chars(field.data(), field.data() + field.size(), start);
            if (failure == std::errc() && end == field.data() + field.size())
                return start;
        }
    return std::nullopt;
}

} // namespace

std::optional<std::uint64_t> ProcessStartTime(int processId) {
    return StartTimeOf(std::to_string(processId));
}

std::uint64_t OwnStartTime() {
    static const std::uint64_t start = StartTimeOf("self").value_or(0);
    return start;
}

bool ProcessIsRunning(int processId, std::uint64_t startTime) {
    if (processId <= 0)
        return false;
    if (const auto start = ProcessStartTime(processId))
        return *start == startTime;
    // No record to read: gone, unless the system only hides it from us.
    return kill(processId, 0) == 0 || errno == EPERM;
}

} // namespace files

#pragma once
// A process that has ended, as a run killed in the middle has: its id and
// its start, for the scratch names it would have left behind.

#include <cstdint>

struct ProcessOwner {
    int processId = 0;
    std::uint64_t startTime = 0;
};

ProcessOwner EndedProcess();

#pragma once
// The processor time that the calling OS thread has used. Tests bound this
// rather than wall time: a loaded machine stretches the wall time of work,
// hardly the processor time it takes.

#include <time.h>

inline double ThreadProcessorMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

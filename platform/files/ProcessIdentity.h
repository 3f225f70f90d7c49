#pragma once
// Telling a process apart from a later one that was given the same id: a
// process is its id together with the moment it started.

#include <cstdint>
#include <optional>

namespace files {

// When the process of that id started, in the system's own unit (clock ticks
// since boot on Linux); nullopt when there is none or it can't be told.
std::optional<std::uint64_t> ProcessStartTime(int processId);

// This process's start.
std::uint64_t OwnStartTime();

// Whether the process of that id and start is still running; true also where
// that can't be told (a process of another user that the system hides).
bool ProcessIsRunning(int processId, std::uint64_t startTime);

} // namespace files

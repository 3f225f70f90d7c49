#pragma once
// Where tests stand in for what they cannot make happen on demand: a regular
// file that blocks when read (procfs, FUSE), another process that swaps an
// entry in the middle of a copy, a slow disk. The program sets none of them;
// each one left unset does what the system does.

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace files::seams {

// The read of the layer's streams and file readers; the system's read(2)
// unless a test has set its own (nullptr sets the system's again).
using ReadCall = ssize_t (*)(int fd, void* buffer, std::size_t count);
void SetRead(ReadCall call);
ssize_t Read(int fd, void* buffer, std::size_t count);

// Called with the path of each file that a copy is about to open: the entry
// may have been swapped since the copy looked at it. None by default.
using PathHook = void (*)(const std::string& path);
void SetBeforeCopyOpen(PathHook hook);
void BeforeCopyOpen(const std::string& path);

// Called after each chunk of a file's data that a copy has written. None by default.
using Hook = void (*)();
void SetAfterCopyChunk(Hook hook);
void AfterCopyChunk();

} // namespace files::seams

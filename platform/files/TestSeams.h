#pragma once
// Where tests stand in for what they cannot make happen on demand: a regular
// file that blocks when read (procfs, FUSE). The program sets none of them;
// each one left unset does what the system does.

#include <sys/types.h>

#include <cstddef>

namespace files::seams {

// The read of the layer's streams and file readers; the system's read(2)
// unless a test has set its own (nullptr sets the system's again).
using ReadCall = ssize_t (*)(int fd, void* buffer, std::size_t count);
void SetRead(ReadCall call);
ssize_t Read(int fd, void* buffer, std::size_t count);

} // namespace files::seams

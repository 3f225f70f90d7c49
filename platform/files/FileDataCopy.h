#pragma once
// Copying a file's bytes from one open file to another, inside the kernel
// where the system allows it, in chunks that take well under a second even
// on a slow disk.

#include <optional>

namespace files {

class StopRequest;

struct DataCopyFailure {
    int error = 0;
    bool atSource = false; // the failure lies with the file read, not the one written
};

// Copies the bytes of `from`, `size` of them as its status told, to `to`,
// both at their current positions. Between chunks it looks at stop (when
// given) and ends with ECANCELED once the stop is due.
std::optional<DataCopyFailure> CopyFileData(int from, int to, long long size,
                                            const StopRequest* stop = nullptr);

} // namespace files

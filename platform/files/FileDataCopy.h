#pragma once
// Copying a file's bytes from one open file to another, inside the kernel
// where the system allows it.

#include <optional>

namespace files {

struct DataCopyFailure {
    int error = 0;
    bool atSource = false; // the failure lies with the file read, not the one written
};

// Copies the bytes of `from`, `size` of them as its status told, to `to`,
// both at their current positions.
std::optional<DataCopyFailure> CopyFileData(int from, int to, long long size);

} // namespace files

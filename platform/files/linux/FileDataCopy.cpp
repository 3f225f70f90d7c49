#include "platform/files/FileDataCopy.h"

#include "platform/files/StopRequest.h"
#include "platform/files/TestSeams.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace files {

namespace {

constexpr std::size_t kKernelChunk = std::size_t{4} << 20;
constexpr std::size_t kBufferSize = std::size_t{1} << 20;

bool IsWriteSideError(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EROFS;
}

// copy_file_range refuses some pairs of files (other file systems, special
// files); those are copied through a buffer instead.
bool KernelCopyUnavailable(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
           error == EBADF || error == EPERM || error == ETXTBSY;
}

std::optional<DataCopyFailure> CopyThroughBuffer(int from, int to, const StopRequest* stop) {
    thread_local std::vector<char> buffer(kBufferSize);
    for (;;) {
        if (StopDue(stop))
            return DataCopyFailure{ECANCELED, false};
        const ssize_t read = ::read(from, buffer.data(), buffer.size());
        if (read == 0)
            return std::nullopt;
        if (read < 0) {
            if (errno == EINTR)
                continue;
            return DataCopyFailure{errno, true};
        }
        for (ssize_t done = 0; done < read;) {
            const ssize_t written =
                ::write(to, buffer.data() + done, static_cast<std::size_t>(read - done));
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return DataCopyFailure{errno, false};
            }
            done += written;
        }
        seams::AfterCopyChunk();
    }
}

} // namespace

std::optional<DataCopyFailure> CopyFileData(int from, int to, long long size,
                                            const StopRequest* stop) {
    long long copied = 0;
    // Stopping at the size told saves small files the call that would find the end.
    while (copied < size) {
        if (StopDue(stop))
            return DataCopyFailure{ECANCELED, false};
        const ssize_t result = copy_file_range(from, nullptr, to, nullptr, kKernelChunk, 0);
        if (result > 0) {
            copied += result;
            seams::AfterCopyChunk();
            continue;
        }
        if (result == 0)
            break; // shorter than told, or a file the kernel copy can't read: check below
        if (errno == EINTR)
            continue;
        if (!KernelCopyUnavailable(errno))
            return DataCopyFailure{errno, !IsWriteSideError(errno)};
        break;
    }
    if (copied >= size)
        return std::nullopt;
    return CopyThroughBuffer(from, to, stop);
}

} // namespace files

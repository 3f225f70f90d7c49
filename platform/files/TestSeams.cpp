#include "platform/files/TestSeams.h"

#include <unistd.h>

#include <atomic>

namespace files::seams {

namespace {

// Set by tests; read on the copying threads as well as the GUI thread.
std::atomic<ReadCall> gRead{nullptr};
std::atomic<PathHook> gBeforeCopyOpen{nullptr};
std::atomic<Hook> gAfterCopyChunk{nullptr};

} // namespace

void SetRead(ReadCall call) {
    gRead.store(call);
}

ssize_t Read(int fd, void* buffer, std::size_t count) {
    if (const ReadCall call = gRead.load())
        return call(fd, buffer, count);
    return ::read(fd, buffer, count);
}

void SetBeforeCopyOpen(PathHook hook) {
    gBeforeCopyOpen.store(hook);
}

void BeforeCopyOpen(const std::string& path) {
    if (const PathHook hook = gBeforeCopyOpen.load())
        hook(path);
}

void SetAfterCopyChunk(Hook hook) {
    gAfterCopyChunk.store(hook);
}

void AfterCopyChunk() {
    if (const Hook hook = gAfterCopyChunk.load())
        hook();
}

} // namespace files::seams

#include "platform/files/TestSeams.h"

#include <unistd.h>

#include <atomic>

namespace files::seams {

namespace {

// Read on the copying threads as well as the GUI thread.
std::atomic<ReadCall> gRead{nullptr};
std::atomic<PathHook> gBeforeCopyOpen{nullptr};

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

} // namespace files::seams

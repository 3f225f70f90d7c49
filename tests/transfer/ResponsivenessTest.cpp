// While one large item is copied, the event loop keeps turning, so the windows
// redraw and take clicks: the GUI thread never works long between two turns.

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/gui/LoopTicker.h"
#include "tests/transfer/TransferTest.h"

namespace {

constexpr long long kLargeFile = 200LL << 20;

// Written to the disk and dropped from the page cache, so that its copy reads
// it from the disk as a user's file would be read.
void WriteLargeFile(const std::string& path) {
    {
        std::ofstream out(path, std::ios::binary);
        const std::string chunk(1 << 20, 'm');
        for (long long written = 0; written < kLargeFile;
             written += static_cast<long long>(chunk.size()))
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
    const int fd = open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    fdatasync(fd);
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
}

using Responsiveness = TransferTest;

TEST_F(Responsiveness, EventLoopKeepsTurningWhileA200MBFileIsCopied) {
    Disk().AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt5");
    WriteLargeFile(DiskPath("Applications/Kelmo/Movie"));
    GatherByDevice();
    GoToCopyStep();
    {
        const LoopTicker ticker(RunLater, 10);
        StartCopy();
        WaitForRunEnd();
        EXPECT_GT(ticker.Ticks(), 0);
        EXPECT_LT(ticker.LongestBusyGapMs(), 50);
    }
    EXPECT_EQ(InstructionText(), texts::kCopyDone);
    EXPECT_EQ(std::filesystem::file_size(TransferPath("App/Kelmo/Movie")), kLargeFile);
}

} // namespace

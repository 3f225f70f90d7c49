// Times FolderItem::CopyFileTo against `cp -a` on the same trees in the same
// run: 10,000 small files in 100 folders, and three files of 200 MB. Each
// tool copies each tree four times by turns, after a sync, and the best time
// of each counts. Everything it makes lies in a temporary folder, removed at
// the end.
//
//   copy_bench [small-file-count] [large-file-megabytes]

#include "platform/files/FolderItem.h"
#include "tests/support/TemporaryFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kFoldersOfSmallFiles = 100;
constexpr int kLargeFiles = 3;
constexpr int kRounds = 4;

void WriteRandomFile(const fs::path& path, std::size_t size, std::mt19937_64& random) {
    std::string block(std::min<std::size_t>(size, 1 << 20), '\0');
    std::ofstream out(path, std::ios::binary);
    for (std::size_t written = 0; written < size; written += block.size()) {
        for (auto& byte : block)
            byte = static_cast<char>(random());
        out.write(block.data(),
                  static_cast<std::streamsize>(std::min(block.size(), size - written)));
    }
}

void MakeSmallTree(const fs::path& root, int files, std::mt19937_64& random) {
    std::uniform_int_distribution<std::size_t> size(100, 16 * 1024);
    for (int i = 0; i < files; ++i) {
        const fs::path folder = root / ("folder" + std::to_string(i % kFoldersOfSmallFiles));
        fs::create_directories(folder);
        WriteRandomFile(folder / ("file" + std::to_string(i) + ".dat"), size(random), random);
    }
}

void MakeLargeFiles(const fs::path& root, std::size_t megabytes, std::mt19937_64& random) {
    fs::create_directories(root);
    for (int i = 0; i < kLargeFiles; ++i)
        WriteRandomFile(root / ("large" + std::to_string(i) + ".bin"), megabytes << 20, random);
}

template <class Copy> double SecondsFor(Copy copy) {
    std::system("sync");
    const auto start = std::chrono::steady_clock::now();
    copy();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Timing {
    double ours = 1e9;
    double cp = 1e9;
};

// Copies go into fresh folders and stay until the end, so that no round
// pays for removing the copies of the one before.
Timing TimeBoth(const fs::path& source, const fs::path& work) {
    Timing best;
    for (int round = 0; round < kRounds; ++round) {
        const fs::path ours = work / ("ours" + std::to_string(round));
        const fs::path theirs = work / ("cp" + std::to_string(round));
        fs::create_directories(ours);
        fs::create_directories(theirs);
        const auto copyWithCp = [&] {
            best.cp = std::min(best.cp, SecondsFor([&] {
                                   const std::string command =
                                       "cp -a '" + source.string() + "' '" + theirs.string() + "/'";
                                   if (std::system(command.c_str()) != 0)
                                       std::fprintf(stderr, "cp -a failed\n");
                               }));
        };
        const auto copyWithCopyFileTo = [&] {
            best.ours = std::min(best.ours, SecondsFor([&] {
                                     const FolderItem from =
                                         FolderItem::AtPosixPath(source.string());
                                     if (!from.CopyFileTo(FolderItem::AtPosixPath(ours.string())))
                                         std::fprintf(stderr, "CopyFileTo failed: %s\n",
                                                      from.LastError().ToUTF8().c_str());
                                 }));
        };
        // Taking turns at going first evens out what the disk still does for the other.
        if (round % 2 == 0) {
            copyWithCp();
            copyWithCopyFileTo();
        } else {
            copyWithCopyFileTo();
            copyWithCp();
        }
    }
    fs::remove_all(work);
    return best;
}

void Report(const char* what, const Timing& timing) {
    std::printf("%-36s CopyFileTo %7.3f s   cp -a %7.3f s   ratio %.2f\n", what, timing.ours,
                timing.cp, timing.ours / timing.cp);
}

} // namespace

int main(int argc, char** argv) {
    const int smallFiles = argc > 1 ? std::atoi(argv[1]) : 10'000;
    const std::size_t largeMegabytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 200;
    TemporaryFolder folder;
    const fs::path root = folder.Path();
    std::mt19937_64 random(20240601);

    std::printf("Making %d small files and %d files of %zu MB in %s ...\n", smallFiles, kLargeFiles,
                largeMegabytes, root.c_str());
    MakeSmallTree(root / "source" / "small", smallFiles, random);
    MakeLargeFiles(root / "source" / "large", largeMegabytes, random);

    const std::string smallLabel = std::to_string(smallFiles) + " small files";
    const std::string largeLabel =
        std::to_string(kLargeFiles) + " x " + std::to_string(largeMegabytes) + " MB";
    Report(smallLabel.c_str(), TimeBoth(root / "source" / "small", root / "work"));
    Report(largeLabel.c_str(), TimeBoth(root / "source" / "large", root / "work"));
    return 0;
}

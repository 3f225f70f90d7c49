// Files on the old disk that are no ordinary files, where the gathering reads
// a PkgInfo, an AppleDouble companion or a preference file: the scan ends
// without waiting, the other products are listed, and memory stays bounded.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "tests/gather/GatheringTest.h"
#include "tests/support/ScopedBlockingFile.h"

namespace {

struct Hostile {
    const char* name;
    // Puts the hostile file in the place's file's stead; none: the place's
    // own file (or one made for it) stays and reads as a regular file of
    // procfs or FUSE that would make the reader wait.
    std::function<void(const std::string& path)> make;
};

void PrintTo(const Hostile& value, std::ostream* out) {
    *out << value.name;
}

const Hostile kHostiles[] = {
    {"Pipe", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); }},
    {"LinkToDevZero",
     [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); }},
    {"HundredMegabytes",
     [](const std::string& path) {
         const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
         ASSERT_GE(fd, 0);
         EXPECT_EQ(ftruncate(fd, 100LL * 1024 * 1024), 0);
         close(fd);
     }},
    {"RegularFileThatBlocks", nullptr},
};

// Where Tessaro's hostile file lies, and the groups the scan lists.
struct Place {
    const char* name;
    // Builds Tessaro and answers the hostile file's path.
    std::function<std::string(FakeMacDisk&, const std::string& preferences)> build;
    std::vector<std::string> groups;
};

void PrintTo(const Place& value, std::ostream* out) {
    *out << value.name;
}

long MaxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

const Place kPlaces[] = {
    {"PkgInfo",
     [](FakeMacDisk& disk, const std::string&) {
         disk.AppBundle("Applications/Tessaro/Tessaro.app", "APPLqWt4");
         return disk.Path("Applications/Tessaro/Tessaro.app/Contents/PkgInfo");
     },
     {"Kelmo", "Solvane II"}},
    {"Companion",
     [](FakeMacDisk& disk, const std::string&) {
         disk.TypedFile("Applications/Tessaro/Tessaro", "APPL", "qWt4", Storage::AppleDouble);
         return disk.Path("Applications/Tessaro/._Tessaro");
     },
     {"Kelmo", "Solvane II"}},
    {"PrefFile",
     [](FakeMacDisk& disk, const std::string& preferences) {
         disk.AppBundle("Applications/Tessaro/Tessaro.app", "APPLqWt4");
         disk.Folder(preferences + "/Tessaro初期設定");
         return disk.Path(preferences + "/Tessaro初期設定/pref2");
     },
     {"Kelmo", "Solvane II", "Tessaro"}},
};

class HostileFiles : public GatheringTest,
                     public testing::WithParamInterface<std::tuple<Hostile, Place>> {};

TEST_P(HostileFiles, ReadAsUnreadableWhileTheOtherProductsAreListed) {
    const auto& [hostile, place] = GetParam();
    Disk().AppBundle("Applications/Kelmo/Kelmo.app", "APPLqWt5");
    Disk().AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
    const std::string path = place.build(Disk(), UserFolder("Preferences"));
    std::optional<ScopedBlockingFile> blocking;
    if (hostile.make) {
        std::filesystem::remove(path);
        hostile.make(path);
    } else {
        if (!std::filesystem::exists(path))
            std::ofstream(path) << "pref2";
        blocking.emplace(path);
    }

    const long before = MaxResidentKilobytes();
    const auto start = std::chrono::steady_clock::now();
    GatherByDevice();
    EXPECT_EQ(GroupNames(), place.groups);
    EXPECT_LT(MaxResidentKilobytes() - before, 100 * 1024);
    // No file holds the scan up.
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              std::chrono::milliseconds(ScopedBlockingFile::kWaitMs));
}

INSTANTIATE_TEST_SUITE_P(Gathering, HostileFiles,
                         testing::Combine(testing::ValuesIn(kHostiles), testing::ValuesIn(kPlaces)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "As" +
                                    std::get<1>(info.param).name;
                         });

} // namespace

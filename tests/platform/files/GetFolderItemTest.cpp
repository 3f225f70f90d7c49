// GetFolderItem takes every form of path the program meets, and nothing that
// can't be one.

#include "platform/files/GetFolderItem.h"
#include "platform/files/ProgramFolder.h"
#include "platform/files/StandardFolders.h"
#include "platform/files/Volumes.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/ScopedProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string PathOf(const FolderItem& item) {
    return item == Nil ? "Nil" : item.AbsolutePath().ToUTF8();
}

TEST(GetFolderItem, EmptyPathIsTheFolderOfThePlainExecutable) {
    const auto executable = std::filesystem::read_symlink("/proc/self/exe");

    EXPECT_EQ(PathOf(GetFolderItem("")), executable.parent_path().string());
}

struct BundleCase {
    const char* executable;
    const char* programFolder;
};

void PrintTo(const BundleCase& value, std::ostream* out) {
    *out << value.executable;
}

class ProgramFolder : public testing::TestWithParam<BundleCase> {};

TEST_P(ProgramFolder, IsTheFolderAroundTheApplicationBundle) {
    EXPECT_EQ(files::ProgramFolderFor(GetParam().executable), GetParam().programFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Executables, ProgramFolder,
    testing::Values(BundleCase{"/media/usb/DRAVO Migration Assistant.app/contents/MacOS/dravo",
                               "/media/usb"},
                    BundleCase{"/Applications/Tool.app/Contents/MacOS/tool", "/Applications"},
                    BundleCase{"/Top.APP/CONTENTS/macos/run", "/"},
                    BundleCase{"/opt/dravo/bin/dravo", "/opt/dravo/bin"},
                    BundleCase{"/opt/Folder/contents/MacOS/dravo", "/opt/Folder/contents/MacOS"},
                    BundleCase{"/opt/X.app/contents/Linux/dravo", "/opt/X.app/contents/Linux"},
                    BundleCase{"/opt/.app/contents/MacOS/dravo", "/opt/.app/contents/MacOS"}));

class Paths : public testing::Test {
protected:
    void SetUp() override {
        machine.StartupDisk().AppBundle("Applications/Solvane/Solvane.app", "APPLqWt1");
        machine.StartupDisk().Folder("Transfer/Temp");
        machine.StartupDisk().File("Transfer/1:2 report");
        old.File("Users/hanako/Documents/memo");
    }
    std::string Startup(std::string_view relative) { return machine.StartupDisk().Path(relative); }

    FakeMachine machine;
    FakeMacDisk& old = machine.AddVolume("Old Mac");
};

TEST_F(Paths, ABareNameLiesInTheProgramFolder) {
    ScopedProgramFolder programFolder(Startup("Transfer"));

    EXPECT_EQ(PathOf(GetFolderItem("")), Startup("Transfer"));
    EXPECT_EQ(PathOf(GetFolderItem("temp")), Startup("Transfer/Temp"));
    EXPECT_EQ(PathOf(GetFolderItem("CopyDone")), Startup("Transfer/CopyDone"));
}

TEST_F(Paths, APosixPathIsTidiedAndMatchedAsAMacDiskWould) {
    const std::string real = Startup("Applications/Solvane/Solvane.app/Contents/PkgInfo");
    const std::string messy = Startup("Applications//./x/../solvane/SOLVANE.APP/contents/pkginfo");

    EXPECT_EQ(PathOf(GetFolderItem(String(real))), real);
    EXPECT_EQ(PathOf(GetFolderItem(String(messy))), real);
    EXPECT_EQ(PathOf(GetFolderItem(String(Startup("applications/New/x")))),
              Startup("Applications/New/x"));
}

TEST_F(Paths, AMacPathLiesOnTheVolumeOfThatName) {
    const FolderItem bundle = GetFolderItem("Macintosh HD:Applications:Solvane:Solvane.app:");

    EXPECT_EQ(PathOf(bundle), Startup("Applications/Solvane/Solvane.app"));
    EXPECT_TRUE(bundle.Directory());
    EXPECT_EQ(PathOf(GetFolderItem("old mac:users:HANAKO:Documents:memo")),
              old.Path("Users/hanako/Documents/memo"));
    EXPECT_EQ(PathOf(GetFolderItem("Old Mac:")), old.Path());
    EXPECT_EQ(PathOf(GetFolderItem("Macintosh HD:Transfer:1/2 report")),
              Startup("Transfer/1:2 report"));
}

TEST_F(Paths, WhatAbsolutePathGaveComesBackWhateverItsBytes) {
    const FolderItem latin1 = machine.StartupDisk().File("caf\xE9");

    const FolderItem again = GetFolderItem(latin1.AbsolutePath());

    EXPECT_EQ(again.AbsolutePath().Bytes(), latin1.AbsolutePath().Bytes());
    EXPECT_NE(again.OpenAsBinaryFile(), Nil);
}

class NotAPath : public testing::TestWithParam<std::string> {};

TEST_P(NotAPath, GivesNil) {
    FakeMachine machine;
    EXPECT_EQ(GetFolderItem(String::FromBytes(GetParam())), Nil);
}

INSTANTIATE_TEST_SUITE_P(Texts, NotAPath,
                         testing::Values(std::string("/tmp/a\0b", 8),
                                         std::string("\0\0\0\0\x01\x02", 6), "Unmounted Disk:Users",
                                         "Macintosh HD::Users", ":relative", "\xFF\xFE",
                                         "Macintosh HD:caf\xE9", "/tmp/" + std::string(256, 'n'),
                                         "/" + std::string(5000, 'p')));

TEST(Volumes, AreTheStartupDiskThenTheOtherVolumesInNameOrder) {
    FakeMachine machine;
    machine.AddVolume("zeta");
    machine.AddVolume("Backup");
    machine.AddVolume(".hidden");
    std::filesystem::create_directory(machine.VolumesFolder() + "/._Backup");
    std::ofstream(machine.VolumesFolder() + "/a file");

    ASSERT_EQ(VolumeCount(), 3);
    EXPECT_EQ(Volume(0).Name().ToUTF8(), "Macintosh HD");
    EXPECT_EQ(PathOf(Volume(0)), machine.StartupDisk().Path());
    EXPECT_EQ(Volume(1).Name().ToUTF8(), "Backup");
    EXPECT_EQ(Volume(2).Name().ToUTF8(), "zeta");
    EXPECT_EQ(Volume(3), Nil);
    EXPECT_EQ(Volume(-1), Nil);
}

TEST(Volumes, TheRootAsStartupDiskIsMacintoshHD) {
    ScopedEnvironment environment;
    environment.Unset("DRAVO_STARTUP_DISK");

    EXPECT_EQ(PathOf(Volume(0)), "/");
    EXPECT_EQ(Volume(0).Name().ToUTF8(), "Macintosh HD");
}

TEST(SpecialFolders, FollowTheStartupDiskAndHomeOfTheMoment) {
    FakeMachine machine("taro");
    const FakeMacDisk& disk = machine.StartupDisk();

    EXPECT_EQ(PathOf(SpecialFolder::Applications()), disk.Path("Applications"));
    EXPECT_EQ(PathOf(SpecialFolder::Preferences()), disk.Path("Users/taro/Library/Preferences"));
    EXPECT_EQ(PathOf(SpecialFolder::ApplicationData()),
              disk.Path("Users/taro/Library/Application Support"));
    EXPECT_EQ(PathOf(SpecialFolder::Documents()), disk.Path("Users/taro/Documents"));
    EXPECT_TRUE(SpecialFolder::Preferences().Directory());

    ScopedEnvironment otherUser;
    otherUser.Set("HOME", disk.Path("Users/jiro"));
    EXPECT_EQ(PathOf(SpecialFolder::Documents()), disk.Path("Users/jiro/Documents"));
    EXPECT_FALSE(SpecialFolder::Documents().Exists());
}

} // namespace

TEST(GetFolderItem, PathTextIsOneFormPerItem) {
    const struct {
        const char* given;
        const char* path;
    } rows[] = {{"/", "/"},         {"/a/b", "/a/b"},          {"/a/b/", "/a/b"}, {"/a//b", "/a/b"},
                {"/a/./b", "/a/b"}, {"/a/../b", "/b"},         {"/a/..", "/"},    {"/.", "/"},
                {"//", "/"},        {"/a/.b/..c", "/a/.b/..c"}};
    for (const auto& row : rows)
        EXPECT_EQ(FolderItem::AtPosixPath(row.given).PosixPath(), row.path) << row.given;
}

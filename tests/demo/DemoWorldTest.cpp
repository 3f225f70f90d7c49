// Making the demo world: again from a clean state, never in a folder that it
// did not make, and bringing its assistants up to a new build without losing
// what a run left on the device.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "scripts/demo/DemoWorld.h"
#include "tests/demo/StubAssistant.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"
#include "tests/support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;
using demo::DemoWorld;

constexpr const char* kExecutable =
    "/DRAVO Migration Assistant.app/contents/MacOS/DRAVO Migration Assistant";

class DemoWorldTest : public testing::Test {
protected:
    std::string Installed(const std::string& folder) const { return folder + kExecutable; }

    TemporaryFolder folder;
    DemoWorld world{folder.Path("demo")};
    std::string build = MakeStubAssistant(folder.Path(), "first build");
};

TEST_F(DemoWorldTest, MakingAgainRemovesWhatTheLastWorldGathered) {
    world.Make(build);
    FakeMacDisk(world.Device(), "temp").File("Pref/Solvane初期設定/pref2");
    FakeMacDisk(world.Device(), "DRAVO Migration Assistant.app")
        .File("contents/Resources/CopyDone");
    FakeMacDisk(world.NewHome(), "Documents").File("Solvane書類/見積書 2007-03");

    world.Make(build);

    EXPECT_TRUE(world.Exists());
    EXPECT_FALSE(fs::exists(world.Device() + "/temp"));
    EXPECT_FALSE(
        fs::exists(world.Device() + "/DRAVO Migration Assistant.app/contents/Resources/CopyDone"));
    EXPECT_FALSE(fs::exists(world.NewHome() + "/Documents/Solvane書類"));
    EXPECT_TRUE(fs::exists(world.OldHome() + "/Library/Preferences/Solvane初期設定/pref2"));
    EXPECT_EQ(ContentsOf(Installed(world.Device())), "first build");
}

TEST_F(DemoWorldTest, AFolderItDidNotMakeIsLeftAlone) {
    FakeMacDisk(folder.Path(), "demo").File("Thesis.txt", "years of work");

    EXPECT_THROW(world.Make(build), std::runtime_error);

    EXPECT_FALSE(world.Exists());
    EXPECT_EQ(ContentsOf(folder.Path("demo/Thesis.txt")), "years of work");
}

TEST_F(DemoWorldTest, AFileInPlaceOfTheFolderIsLeftAlone) {
    std::ofstream(folder.Path("demo")) << "notes";

    EXPECT_THROW(world.Make(build), std::runtime_error);

    EXPECT_EQ(ContentsOf(folder.Path("demo")), "notes");
}

TEST_F(DemoWorldTest, AnEmptyFolderBecomesTheWorld) {
    fs::create_directory(folder.Path("demo"));

    world.Make(build);

    EXPECT_TRUE(world.Exists());
    EXPECT_TRUE(fs::is_directory(world.OldHome() + "/Documents/Tessaro書類"));
}

TEST_F(DemoWorldTest, AnAssistantThatIsNotBuiltStopsTheMaking) {
    EXPECT_THROW(world.Make(folder.Path("nowhere/DRAVO Migration Assistant.app")),
                 std::runtime_error);

    EXPECT_FALSE(fs::exists(folder.Path("demo")));
}

TEST_F(DemoWorldTest, UpdatingBringsBothAssistantsToTheNewBuildAndKeepsTheDevicesState) {
    world.Make(build);
    FakeMacDisk(world.Device(), "temp").File("App/Kelmo/Kelmo.app/Contents/PkgInfo", "APPLqWt5");
    FakeMacDisk(world.Device(), "DRAVO Migration Assistant.app")
        .File("contents/Resources/CopyDone");
    const std::string newBuild = MakeStubAssistant(folder.Path("next"), "second build");

    world.UpdateAssistant(newBuild);

    EXPECT_EQ(ContentsOf(Installed(world.Device())), "second build");
    EXPECT_EQ(ContentsOf(Installed(world.NewDisk() + "/Applications")), "second build");
    EXPECT_TRUE(
        fs::exists(world.Device() + "/DRAVO Migration Assistant.app/contents/Resources/CopyDone"));
    EXPECT_EQ(ContentsOf(world.Device() + "/temp/App/Kelmo/Kelmo.app/Contents/PkgInfo"),
              "APPLqWt5");
    EXPECT_FALSE(fs::exists(Installed(world.Device()) + ".new"));
}

} // namespace

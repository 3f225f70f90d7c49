// Both routes through the wizard on the demo world, as the README walks
// them: the old Mac's products arrive on the new Mac with their preference,
// Application Support and document folders and their Finder information; the
// new Mac's older Solvane preferences are replaced, and nothing else of the
// old Mac comes along.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/files/FolderItem.h"
#include "scripts/demo/DemoRoutes.h"
#include "scripts/demo/DemoWorld.h"
#include "tests/demo/StubAssistant.h"
#include "tests/support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;
using demo::DemoWorld;

// Below the new Mac's disk.
const std::vector<std::string> kArrived = {
    "Applications/Solvane II/Solvane.app/Contents/PkgInfo",
    "Applications/Solvane II Swapdeck/Swapdeck",
    "Applications/Tessaro/Tessaro.app/Contents/PkgInfo",
    "Applications/Kelmo/Kelmo.app/Contents/PkgInfo",
    "Applications/Brisko/Brisko",
    "Users/taro/Library/Preferences/Solvane初期設定/pref2",
    "Users/taro/Library/Preferences/Tessaro初期設定/pref2",
    "Users/taro/Library/Preferences/Kelmo初期設定/pref",
    "Users/taro/Library/Preferences/Brisko初期設定/Brisko Prefs",
    "Users/taro/Library/Application Support/Solvane II/テンプレート/標準見積書",
    "Users/taro/Library/Application Support/Kelmo/ユーザ辞書",
    "Users/taro/Documents/Solvane書類/2006年/見積書 2006-12",
    "Users/taro/Documents/Tessaro書類/店舗レイアウト",
    "Users/taro/Documents/Kelmo書類/顧客名簿",
};

const std::vector<std::string> kLeftBehind = {
    "Applications/SolvaCard",
    "Applications/.Solvane II old",
    "Applications/Solvane.app",
    "Users/taro/Library/Preferences/com.apple.finder.plist",
    "Users/taro/Library/Preferences/Solvane初期設定/Solvane 1.0 の設定",
    "Users/taro/Documents/メモ.txt",
    "Users/taro/Documents/見積書 2007-05",
};

struct FinderCodes {
    std::string path;
    std::string typeCreator;
};

// Kept in an extended attribute and in AppleDouble companions on the old Mac.
const std::vector<FinderCodes> kFinderCodes = {
    {"Applications/Brisko/Brisko", "APPLqWtm"},
    {"Applications/Solvane II Swapdeck/Swapdeck", "APPLqWt2"},
    {"Users/taro/Documents/Solvane書類/請求書 2007-04", "Tcx3qWt1"},
};

struct Route {
    const char* name;
    void (*walk)(const DemoWorld&, const demo::StepSeen&);
};

void PrintTo(const Route& route, std::ostream* out) {
    *out << route.name;
}

class DemoRoutes : public testing::TestWithParam<Route> {
protected:
    void SetUp() override { world.Make(MakeStubAssistant(folder.Path(), "assistant")); }

    std::string OnNewMac(const std::string& relative) const {
        return world.NewDisk() + "/" + relative;
    }

    TemporaryFolder folder;
    DemoWorld world{folder.Path("demo")};
};

TEST_P(DemoRoutes, TheOldMacsProductsArriveOnTheNewMacWithTheirFolders) {
    GetParam().walk(world, [](const auto&, const auto&) {});

    for (const std::string& path : kArrived)
        EXPECT_TRUE(fs::exists(OnNewMac(path))) << path;
    for (const std::string& path : kLeftBehind)
        EXPECT_FALSE(fs::exists(OnNewMac(path))) << path;
    for (const auto& [path, typeCreator] : kFinderCodes) {
        const FolderItem item = FolderItem::AtPosixPath(OnNewMac(path));
        EXPECT_EQ((item.MacType() + item.MacCreator()).ToUTF8(), typeCreator) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(Routes, DemoRoutes,
                         testing::Values(Route{"Device", &demo::WalkDeviceRoute},
                                         Route{"Network", &demo::WalkNetworkRoute}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

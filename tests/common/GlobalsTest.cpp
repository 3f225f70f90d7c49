#include "common/Globals.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/ModalScript.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/Thread.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/ScopedImmutableEntry.h"
#include "tests/support/ScopedOrdinaryFileRights.h"
#include "tests/support/TreeSnapshot.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/PassCounter.h"

using namespace Globals;

namespace {

struct NameSplit {
    const char* name;
    const char* body;
    const char* extn;
};

void PrintTo(const NameSplit& value, std::ostream* out) {
    *out << value.name;
}

class NameSplitTest : public ::testing::TestWithParam<NameSplit> {};

TEST_P(NameSplitTest, SplitsAtTheLastDot) {
    const NameSplit& row = GetParam();
    String body;
    String extn;
    gExtractBodyAndExtn(row.name, body, extn);
    EXPECT_EQ(body.ToUTF8(), row.body);
    EXPECT_EQ(extn.ToUTF8(), row.extn);
    EXPECT_EQ(gExtractExtn(row.name).ToUTF8(), row.extn);
}

INSTANTIATE_TEST_SUITE_P(Names, NameSplitTest,
                         ::testing::Values(NameSplit{"a.b.c", "a.b", "c"},
                                           NameSplit{"temp", "temp", ""}, NameSplit{"x.", "x", ""},
                                           NameSplit{".hidden", "", "hidden"},
                                           NameSplit{"MyApp.app", "MyApp", "app"},
                                           NameSplit{"ソフト.書類.app", "ソフト.書類", "app"}));

TEST(NameSplit, ExtendsTheBodyThatTheCallerPassedIn) {
    String body = "pre-";
    String extn = "kept";
    gExtractBodyAndExtn("plain", body, extn);
    EXPECT_EQ(body.ToUTF8(), "plain");
    EXPECT_EQ(extn.ToUTF8(), "kept");

    body = "pre-";
    gExtractBodyAndExtn("a.b", body, extn);
    EXPECT_EQ(body.ToUTF8(), "pre-a");
    EXPECT_EQ(extn.ToUTF8(), "b");
}

TEST(TypeAndCreator, PackagesAnswerFromPkgInfoWhateverTheCaseOfContents) {
    FakeMacDisk disk;
    FolderItem upper = disk.AppBundle("Apps/Tessaro.app", "APPLqWt4", "Contents");
    FolderItem lower = disk.AppBundle("Apps/Kelmo.app", "APPLqWt5", "contents");
    FolderItem empty = disk.Folder("Apps/Empty.app");

    EXPECT_TRUE(gAppPackage(upper));
    EXPECT_EQ(gGetTypeCre(upper).ToUTF8(), "APPLqWt4");
    EXPECT_EQ(gGetTypeCre(lower).ToUTF8(), "APPLqWt5");
    EXPECT_TRUE(gAppPackage(empty));
    EXPECT_EQ(gGetTypeCre(empty).ToUTF8(), "");
}

TEST(TypeAndCreator, FilesAnswerFromFinderInformationInEitherStorage) {
    FakeMacDisk disk;
    FolderItem inAttribute = disk.TypedFile("Docs/a", "Tbx3", "qWt1", Storage::ExtendedAttribute);
    FolderItem companion = disk.TypedFile("Docs/c", "Tpxl", "qWt4", Storage::AppleDouble);
    FolderItem plain = disk.File("Docs/plain", "text");

    EXPECT_EQ(gGetTypeCre(inAttribute).ToUTF8(), "Tbx3qWt1");
    EXPECT_EQ(gGetTypeCre(companion).ToUTF8(), "TpxlqWt4");
    EXPECT_EQ(gGetTypeCre(plain).ToUTF8(), "");
    EXPECT_EQ(gGetTypeCre(disk.Folder("Docs")).ToUTF8(), "foldMACS");
}

TEST(TypeAndCreator, AFileNamedLikeAPackageIsNoPackage) {
    FakeMacDisk disk;
    FolderItem file = disk.TypedFile("Tool.app", "APPL", "qWt1");
    EXPECT_FALSE(gAppPackage(file));
    EXPECT_EQ(gGetTypeCre(file).ToUTF8(), "APPLqWt1");
}

String Bytes(std::initializer_list<unsigned char> bytes) {
    return String::FromBytes(std::string(bytes.begin(), bytes.end()));
}

TEST(AliasFullPath, TakesThePathAfterTheFirstTagTwoHeader) {
    EXPECT_EQ(gAbsPath_ex(Bytes({0x41, 0x00, 0x02, 0x00, 0x03, 0x61, 0x3A, 0x62, 0x42})).Bytes(),
              "a:b");
    // A length byte of 0 goes on scanning to the next header.
    EXPECT_EQ(gAbsPath_ex(Bytes({0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x01, 0x7A})).Bytes(),
              "z");
    // A length past the end gives the bytes that are there.
    EXPECT_EQ(gAbsPath_ex(Bytes({0x00, 0x02, 0x00, 0x05, 0x61, 0x62})).Bytes(), "ab");
}

TEST(AliasFullPath, GivesTheTextBackWithoutAHeader) {
    EXPECT_EQ(gAbsPath_ex("Macintosh HD:Users:").Bytes(), "Macintosh HD:Users:");
    EXPECT_EQ(gAbsPath_ex(Bytes({0x00, 0x02, 0x00})).Bytes(), std::string("\0\x02\0", 3));
    EXPECT_EQ(gAbsPath_ex("").Bytes(), "");
}

TEST(DeleteFolder, RemovesANestedTree) {
    FakeMacDisk disk;
    disk.File("victim/file", "x");
    disk.Folder("victim/empty");
    disk.File("victim/sub/inner", "y");
    disk.TypedFile("victim/sub/typed", "TEXT", "qWt1", Storage::AppleDouble);

    gDeleteFolder(disk.Item("victim"));
    EXPECT_FALSE(disk.Item("victim").Exists());
}

TEST(DeleteFolder, DeletesALinkButNeverWhatItPointsTo) {
    FakeMacDisk disk;
    disk.File("outside/keep", "precious");
    disk.File("victim/file", "x");
    disk.SymbolicLink("victim/link", disk.Path("outside"));

    gDeleteFolder(disk.Item("victim"));
    EXPECT_FALSE(disk.Item("victim").Exists());
    EXPECT_TRUE(disk.Item("outside/keep").Exists());
}

// What keeps a folder's file from being deleted: an immutable flag, which
// holds even for root, or the folder being another user's, which an ordinary
// user can neither write in nor make writable.
enum class Obstacle { ImmutableFolder, FolderOfAnotherUser };

struct ObstacleCase {
    const char* name;
    Obstacle obstacle;
};

void PrintTo(const ObstacleCase& value, std::ostream* out) {
    *out << value.name;
}

class DeleteFolderWithObstacle : public testing::TestWithParam<ObstacleCase> {};

// "nobody": a user other than the one running the tests.
constexpr uid_t kAnotherUser = 65534;

TEST_P(DeleteFolderWithObstacle, GoesOnPastAnEntryThatCannotBeDeleted) {
    FakeMacDisk disk;
    disk.File("victim/locked/file", "x");
    disk.File("victim/other", "y");
    const std::string locked = disk.Path("victim/locked");
    std::optional<ScopedImmutableEntry> immutable;
    std::optional<ScopedOrdinaryFileRights> ordinary;
    if (GetParam().obstacle == Obstacle::ImmutableFolder) {
        immutable.emplace(locked);
        if (!immutable->Set())
            GTEST_SKIP() << "no immutable flag here: it takes root and a file system that keeps it";
    } else {
        if (chown(locked.c_str(), kAnotherUser, kAnotherUser) != 0)
            GTEST_SKIP() << "only root can give a folder to another user";
        chmod(locked.c_str(), 0755);
        ordinary.emplace();
    }

    gDeleteFolder(disk.Item("victim"));
    ordinary.reset();
    EXPECT_TRUE(disk.Item("victim/locked/file").Exists());
    EXPECT_FALSE(disk.Item("victim/other").Exists());
}

INSTANTIATE_TEST_SUITE_P(
    Obstacles, DeleteFolderWithObstacle,
    testing::Values(ObstacleCase{"ImmutableFolder", Obstacle::ImmutableFolder},
                    ObstacleCase{"FolderOfAnotherUser", Obstacle::FolderOfAnotherUser}),
    [](const testing::TestParamInfo<ObstacleCase>& info) { return info.param.name; });

// Waits 100 ms, noting the time it took and how far another thread went meanwhile.
class Waiter : public Thread {
public:
    Waiter(std::shared_ptr<double> elapsed, std::shared_ptr<PassCounter> other,
           std::shared_ptr<int> otherPasses)
        : elapsed_(std::move(elapsed)), other_(std::move(other)),
          otherPasses_(std::move(otherPasses)) {}

protected:
    void Event_Run() override {
        const double start = coop::Microseconds();
        const int passesBefore = other_->passes;
        gWait(100);
        *otherPasses_ = other_->passes - passesBefore;
        *elapsed_ = (coop::Microseconds() - start) / 1000;
    }

private:
    std::shared_ptr<double> elapsed_;
    std::shared_ptr<PassCounter> other_;
    std::shared_ptr<int> otherPasses_;
};

class GlobalsGuiTest : public GuiTest {};

// Deletes one folder, then says so.
class Deleter : public Thread {
public:
    Deleter(FolderItem folder, std::shared_ptr<int> done)
        : folder_(std::move(folder)), done_(std::move(done)) {}

protected:
    void Event_Run() override {
        gDeleteFolder(folder_);
        ++*done_;
    }

private:
    FolderItem folder_;
    std::shared_ptr<int> done_;
};

TEST_F(GlobalsGuiTest, DeletionsOnTwoThreadsAtOnceEachRemoveTheirWholeTree) {
    FakeMacDisk disk;
    // The small tree's deletion starts while the large one is still being listed.
    disk.File("a/x", "data");
    for (int i = 0; i < 20; ++i)
        disk.File("b/" + std::to_string(i), "data");
    auto done = std::make_shared<int>(0);
    std::make_shared<Deleter>(disk.Item("a"), done)->Run();
    std::make_shared<Deleter>(disk.Item("b"), done)->Run();

    ASSERT_TRUE(RunEventLoopUntil([&] { return *done == 2; }, 5000));
    EXPECT_FALSE(disk.Item("a").Exists());
    EXPECT_FALSE(disk.Item("b").Exists());
}

// Once the folder's emptying has begun, swaps it for a link to another folder.
class Swapper : public Thread {
public:
    Swapper(std::string folder, std::string linkTarget)
        : folder_(std::move(folder)), linkTarget_(std::move(linkTarget)) {}

protected:
    void Event_Run() override {
        coop::WaitUntil([this] { return NamesIn(folder_).size() < 20; });
        std::filesystem::rename(folder_, folder_ + ".moved");
        std::filesystem::create_directory_symlink(linkTarget_, folder_);
    }

private:
    std::string folder_;
    std::string linkTarget_;
};

TEST_F(GlobalsGuiTest, DeletionNeverFollowsAFolderSwappedForALinkMeanwhile) {
    FakeMacDisk disk;
    for (int i = 0; i < 20; ++i) {
        disk.File("temp/Doc/" + std::to_string(i), "copy");
        disk.File("outside/" + std::to_string(i), "precious");
    }
    auto done = std::make_shared<int>(0);
    std::make_shared<Deleter>(disk.Item("temp"), done)->Run();
    // Another user swaps the folder being emptied for a link to their own.
    std::make_shared<Swapper>(disk.Path("temp/Doc"), disk.Path("outside"))->Run();

    ASSERT_TRUE(RunEventLoopUntil([&] { return *done == 1; }, 5000));
    EXPECT_EQ(NamesIn(disk.Path("outside")).size(), 20u);
}

TEST_F(GlobalsGuiTest, WaitReturnsAfterTheTimeWhileOtherThreadsRun) {
    auto counter = std::make_shared<PassCounter>();
    auto elapsed = std::make_shared<double>(-1);
    auto otherPasses = std::make_shared<int>(0);
    counter->Run();
    std::make_shared<Waiter>(elapsed, counter, otherPasses)->Run();

    ASSERT_TRUE(RunEventLoopUntil([&] { return *elapsed >= 0; }, 5000));
    EXPECT_GE(*elapsed, 100.0);
    EXPECT_GT(*otherPasses, 0) << "the other thread stood still during the wait";
    counter->stop = true;
    EXPECT_TRUE(RunEventLoopUntil([&] { return counter->ended; }, 1000));
}

struct CautionCase {
    int buttons;
    Modal::Answer press;
    int result;
};

void PrintTo(const CautionCase& value, std::ostream* out) {
    *out << value.buttons << " buttons, returning " << value.result;
}

class CautionTest : public GuiTest, public ::testing::WithParamInterface<CautionCase> {};

TEST_P(CautionTest, ReturnsTheButtonPressed) {
    const CautionCase& row = GetParam();
    ModalScript::Push([&](Modal& modal) {
        EXPECT_EQ(modal.kind, ModalKind::MessageDialog);
        EXPECT_EQ(modal.icon, 1);
        EXPECT_EQ(modal.message, "本文");
        EXPECT_EQ(modal.explanation, "説明");
        EXPECT_EQ(modal.actionButton.caption, "終了しない");
        EXPECT_EQ(modal.cancelButton.visible, row.buttons > 1);
        EXPECT_EQ(modal.alternateButton.visible, row.buttons > 2);
        switch (row.press) {
        case Modal::Answer::ActionButton:
            modal.PressActionButton();
            break;
        case Modal::Answer::CancelButton:
            modal.PressCancelButton();
            break;
        case Modal::Answer::AlternateButton:
            modal.PressAlternateButton();
            break;
        default:
            modal.CloseWithoutButton();
            break;
        }
    });
    EXPECT_EQ(
        gCautionDlg(nullptr, false, row.buttons, "別", "強制終了", "終了しない", "本文", "説明"),
        row.result);
}

INSTANTIATE_TEST_SUITE_P(Buttons, CautionTest,
                         ::testing::Values(CautionCase{1, Modal::Answer::ActionButton, 2},
                                           CautionCase{2, Modal::Answer::ActionButton, 2},
                                           CautionCase{2, Modal::Answer::CancelButton, 1},
                                           CautionCase{3, Modal::Answer::AlternateButton, 0},
                                           CautionCase{3, Modal::Answer::Closed, 1}));

TEST_F(GlobalsGuiTest, OneButtonCautionShowsOK) {
    ModalScript::Push([](Modal& modal) {
        EXPECT_EQ(modal.actionButton.caption, "OK");
        EXPECT_FALSE(modal.cancelButton.visible);
        EXPECT_EQ(modal.message, "失敗しました。");
        modal.PressActionButton();
    });
    gCautionDlg1(nullptr, false, "失敗しました。", "");
}

} // namespace

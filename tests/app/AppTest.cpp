#include "app/App.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/AboutPanel.h"
#include "app/MenuBar1.h"
#include "common/Globals.h"
#include "platform/gui/ModalScript.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/TreeSnapshot.h"
#include "tests/support/gui/Accessibility.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

namespace {

class AppTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Globals::ReleaseModuleState();
        Globals::gBeep = false;
        app = MakeApplication<App>();
        app->SetMenuBar(MenuBar1::Instance());
    }
    void TearDown() override {
        app.reset();
        Globals::ReleaseModuleState();
        GuiTest::TearDown();
    }

    std::unique_ptr<App> app;
};

TEST_F(AppTest, InitAppFillsTheCatalogueInTableOrderAndSwitchesTheBeepOn) {
    app->InitApp();
    using namespace Globals;
    EXPECT_TRUE(gBeep);
    ASSERT_EQ(gAppName.size(), 12u);
    ASSERT_EQ(gAppTypeCre.size(), 12u);
    ASSERT_EQ(gDocTypeCre.size(), 4u);
    EXPECT_EQ(gAppName[0].ToUTF8(), "Solvane");
    EXPECT_EQ(gAppTypeCre[0].ToUTF8(), "APPLqWt1");
    EXPECT_EQ(gAppName[3].ToUTF8(), "Tessaro");
    EXPECT_EQ(gAppTypeCre[3].ToUTF8(), "APPLqWt4");
    EXPECT_EQ(gAppName[9].ToUTF8(), "Brisko");
    EXPECT_EQ(gAppTypeCre[9].ToUTF8(), "APPLqWtm");
    EXPECT_EQ(gAppTypeCre[11].ToUTF8(), "APPLqWtr");
    EXPECT_EQ(gDocTypeCre[0].ToUTF8(), "Tbx3qWt1");
    EXPECT_EQ(gDocTypeCre[3].ToUTF8(), "TkmoqWt5");
    for (const String& code : gAppTypeCre)
        EXPECT_FALSE(code == "APPLqWts");
}

TEST_F(AppTest, TheMenusHoldTheItemsInOrder) {
    auto bar = MenuBar1::Instance();
    ASSERT_EQ(bar->Count(), 2);
    auto file = bar->Child("FileMenu");
    auto edit = bar->Child("EditMenu");
    ASSERT_TRUE(file && edit);
    EXPECT_EQ(file->Item(0)->Name(), "FileQuit");
    EXPECT_EQ(ShortcutText(*file->Item(0)), "Ctrl+Q");

    std::vector<std::string> names;
    for (int i = 0; i < edit->Count(); ++i)
        names.push_back(edit->Item(i)->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"EditUndo", "UntitledMenu1", "EditCut", "EditCopy",
                                               "EditPaste", "EditClear", "UntitledMenu0",
                                               "EditSelectAll", "AppleAbout"}));
    EXPECT_EQ(edit->Child("AppleAbout")->Text().ToUTF8(), "About DRAVO Migration Assistant…");
}

TEST_F(AppTest, TheAboutItemIsEnabledWhenTheMenusAreShown) {
    auto about = MenuBar1::Instance()->FindItem("AppleAbout");
    about->SetEnabled(false);
    OpenMenu(*MenuBar1::Instance()->Child("EditMenu"));
    EXPECT_TRUE(about->Enabled());
}

TEST_F(AppTest, AboutShowsTheVersionAndReturnsTrueOnceClickedAway) {
    std::string versionWhileShown;
    std::string titleWhileShown;
    ModalScript::Push([&](Modal& modal) {
        ASSERT_EQ(modal.kind, ModalKind::Window);
        auto* panel = dynamic_cast<AboutPanel*>(modal.window);
        ASSERT_NE(panel, nullptr);
        versionWhileShown = panel->StaticText1->Text().ToUTF8();
        titleWhileShown = panel->StaticText3->Text().ToUTF8();
        ClickInWindow(*panel, 5, 5);
    });
    app->AddMenuHandler("AppleAbout", [this] { return app->_AppleAbout_Action(); });
    EXPECT_TRUE(app->HandleMenuCommand("AppleAbout"));
    EXPECT_EQ(versionWhileShown, "Ver. 1.0b2");
    EXPECT_EQ(titleWhileShown, "DRAVO 移行アシスタント");
    for (const auto& window : Window::OpenWindows())
        EXPECT_EQ(dynamic_cast<AboutPanel*>(window.get()), nullptr) << "the panel was not closed";
}

// A program started in a process of its own, its standard output read
// through a pipe; killed when it is still running at the end of the test.
class StartedProgram {
public:
    explicit StartedProgram(const std::string& executable) {
        int out[2];
        if (pipe2(out, O_CLOEXEC) != 0)
            throw std::runtime_error("no pipe");
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            execl(executable.c_str(), executable.c_str(), nullptr);
            _exit(127);
        }
        close(out[1]);
        output_ = out[0];
    }
    ~StartedProgram() {
        if (Running())
            Kill();
        close(output_);
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    // Reads until the line has come, the output ends or the time is up.
    bool WaitForLine(const std::string& line) {
        while (output.find(line + "\n") == std::string::npos && ReadSome()) {
        }
        return output.find(line + "\n") != std::string::npos;
    }
    // The exit status once the program has ended; nullopt when the time is up.
    std::optional<int> WaitForEnd() {
        while (ReadSome()) {
        }
        int status = 0;
        if (timedOut_ || waitpid(pid_, &status, 0) != pid_ || !WIFEXITED(status))
            return std::nullopt;
        ended_ = true;
        return WEXITSTATUS(status);
    }
    bool Running() { return !ended_ && waitpid(pid_, nullptr, WNOHANG) == 0; }
    // Ends it as a crash would: no clean-up of its own runs.
    void Kill() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        ended_ = true;
    }

    std::string output;

private:
    static constexpr int kTimeLimitMs = 20000;

    // False at the end of the output or when the time is up.
    bool ReadSome() {
        pollfd ready{output_, POLLIN, 0};
        if (poll(&ready, 1, kTimeLimitMs) <= 0) {
            timedOut_ = true;
            return false;
        }
        char buffer[512];
        const ssize_t length = read(output_, buffer, sizeof buffer);
        if (length <= 0)
            return false;
        output.append(buffer, static_cast<std::size_t>(length));
        return true;
    }

    pid_t pid_ = -1;
    int output_ = -1;
    bool ended_ = false;
    bool timedOut_ = false;
};

// The assistant installed on a device as a bundle, started from there.
class SecondStart : public testing::Test {
protected:
    SecondStart() {
        device.AppBundle("DRAVO Migration Assistant.app", "APPLqWts", "contents");
        std::filesystem::copy_file(SCRIPTED_ASSISTANT, executable);
    }

    FakeMachine machine;
    FakeMacDisk& device = machine.AddVolume("DRAVO USB");
    const std::string executable =
        device.Path("DRAVO Migration Assistant.app/contents/MacOS/DRAVO Migration Assistant");
    const std::string wizardShown = "window: DRAVO 移行アシスタント";
};

TEST_F(SecondStart, IsRefusedWhileOneRunsAndStartsOnceThatOneIsKilled) {
    StartedProgram first(executable);
    ASSERT_TRUE(first.WaitForLine(wizardShown)) << first.output;
    const auto deviceBefore = SnapshotOf(device.Path());

    StartedProgram second(executable);
    EXPECT_EQ(second.WaitForEnd(), 0);
    EXPECT_EQ(second.output, "dialog: 本ソフトウェアはすでに起動しています。\n");
    EXPECT_EQ(SnapshotOf(device.Path()), deviceBefore) << "the second start touched the device";
    EXPECT_TRUE(first.Running());

    first.Kill();
    StartedProgram third(executable);
    EXPECT_TRUE(third.WaitForLine(wizardShown)) << third.output;
}

// The panel says what it is, though its title does not, and closes with the
// keys that close a dialog; another key leaves it shown.
TEST_F(AppTest, AboutIsADialogThatSaysWhatItIsAndClosesWithEscapeReturnOrSpace) {
    app->AddMenuHandler("AppleAbout", [this] { return app->_AppleAbout_Action(); });
    for (Key key : {Key::Escape, Key::Return, Key::Space}) {
        AccessibleFacts heard;
        bool shownAfterA = false;
        ModalScript::Push([&](Modal& modal) {
            heard = AccessibleOf(*modal.window);
            PressKey(*modal.window, Key::A);
            shownAfterA = modal.window->Visible();
            PressKey(*modal.window, key);
        });
        EXPECT_TRUE(app->HandleMenuCommand("AppleAbout"));
        EXPECT_EQ(heard.name, "本ソフトウェアについて");
        EXPECT_EQ(heard.role, "dialog");
        EXPECT_TRUE(shownAfterA);
    }
}

} // namespace

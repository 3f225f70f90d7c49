#include "platform/gui/MessageDialog.h"
#include "platform/gui/ModalScript.h"
#include "platform/threads/Cooperative.h"
#include "platform/threads/Thread.h"
#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <functional>

namespace {

class FunctionThread : public Thread {
public:
    explicit FunctionThread(std::function<void()> body) : body_(std::move(body)) {}

protected:
    void Event_Run() override { body_(); }

private:
    std::function<void()> body_;
};

void RunOnThread(std::function<void()> body) {
    std::make_shared<FunctionThread>(std::move(body))->Run();
}

} // namespace

// Modals shown by a cooperative thread, as the user meets them: the thread
// waits, while the event loop and the other threads go on.
class ThreadModalTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ModalScript::SetScripting(false);
    }

    // Counts passes of another thread until the test ends its waiting.
    void CountPassesOfAnotherThread() {
        RunOnThread([this] {
            while (!finished) {
                ++passes;
                coop::YieldToNextThread();
            }
        });
    }

    bool finished = false;
    int passes = 0;
};

TEST_F(ThreadModalTest, AThreadWaitsForItsMessageDialogWhileOthersRun) {
    MessageDialog caution;
    caution.CancelButton().SetVisible(true);
    caution.CancelButton().SetCaption("強制終了");
    MessageDialogButton* pressed = nullptr;
    CountPassesOfAnotherThread();
    RunOnThread([&] {
        pressed = caution.ShowModal();
        finished = true;
    });
    int passesWhenShown = -1;
    const auto othersRanWhileShown = [&] {
        if (!ModalDialogShown())
            return false;
        if (passesWhenShown < 0)
            passesWhenShown = passes;
        return passes > passesWhenShown + 10;
    };

    ASSERT_TRUE(RunEventLoopUntil(othersRanWhileShown));
    EXPECT_FALSE(finished);
    ASSERT_TRUE(PressModalButton("強制終了"));
    ASSERT_TRUE(RunEventLoopUntil([&] { return finished; }));
    EXPECT_EQ(pressed, &caution.CancelButton());
}

TEST_F(ThreadModalTest, AThreadWaitsForItsModalWindowToBeHidden) {
    auto window = ButtonWindow::Instance();
    window->Button->OnAction = [&] { window->Hide(); };
    window->Hide();
    CountPassesOfAnotherThread();
    RunOnThread([&] {
        window->ShowModal();
        finished = true;
    });

    ASSERT_TRUE(RunEventLoopUntil([&] { return window->Visible() && passes > 10; }));
    EXPECT_FALSE(finished);
    Click(*window->Button);
    ASSERT_TRUE(RunEventLoopUntil([&] { return finished; }));
}

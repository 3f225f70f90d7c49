#include "platform/gui/ModalScript.h"
#include "platform/gui/PushButton.h"
#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

using WindowTest = GuiTest;

TEST_F(WindowTest, ConstructionRunsTheSubclassStepsThenOpenThenShows) {
    auto window = Window::New<PagedWindow>();

    EXPECT_THAT(window->log,
                ElementsAre("Layout", "CreateControls", "AddMenuHandlers", "Open with controls"));
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Title(), String("ページ"));
}

class HiddenOnCreation : public Window {
protected:
    void Layout() override { SetVisible(false); }
};

TEST_F(WindowTest, AWindowNotVisibleOnCreationStaysHiddenUntilShown) {
    auto window = Window::New<HiddenOnCreation>();
    EXPECT_FALSE(window->Visible());
    window->Show();
    EXPECT_TRUE(window->Visible());
}

TEST_F(WindowTest, ControlsAreFoundByName) {
    auto window = Window::New<PagedWindow>();
    EXPECT_EQ(window->FindControl("CopyKeep"), window->CopyKeep);
    EXPECT_EQ(window->FindControl("NoSuchControl"), nullptr);
}

TEST_F(WindowTest, TheAccessorGivesTheLiveInstanceAndANewOneAfterClose) {
    auto first = PagedWindow::Instance();
    EXPECT_EQ(PagedWindow::Instance(), first);

    first->Close();
    auto second = PagedWindow::Instance();

    EXPECT_NE(second, first);
    EXPECT_TRUE(first->IsClosed());
    EXPECT_FALSE(first->Visible());
    EXPECT_EQ(first->FindControl("Next"), first->Next) << "a closed window stays usable";
    first->Next->SetVisible(false);
}

class OpensItsOwnAccessor : public Window {
public:
    static std::shared_ptr<OpensItsOwnAccessor> Instance() {
        return SingleInstance<OpensItsOwnAccessor>();
    }
    std::shared_ptr<OpensItsOwnAccessor> seenInOpen;

protected:
    void Event_Open() override { seenInOpen = Instance(); }
};

TEST_F(WindowTest, TheAccessorInsideOpenGivesTheWindowBeingOpened) {
    auto window = OpensItsOwnAccessor::Instance();
    EXPECT_EQ(window->seenInOpen, window);
    window->seenInOpen.reset();
}

TEST_F(WindowTest, AClosedWindowOutlivesTheEventThatClosedIt) {
    std::weak_ptr<ButtonWindow> watched;
    {
        auto window = ButtonWindow::Instance();
        watched = window;
        window->Button->OnAction = [raw = window.get()] { raw->Close(); };
    }
    Click(*watched.lock()->Button);

    EXPECT_FALSE(watched.expired()) << "released only after the event";
    EXPECT_TRUE(RunEventLoopUntil([&] { return watched.expired(); }));
}

TEST_F(WindowTest, AWindowClosedByItsHandlerLivesUntilTheHandlerReturnsThoughItYields) {
    std::weak_ptr<ButtonWindow> watched;
    bool aliveAfterYielding = false;
    {
        auto window = ButtonWindow::Instance();
        watched = window;
        window->Button->OnAction = [&watched, &aliveAfterYielding, raw = window.get()] {
            raw->Close();
            RunEventLoopUntil([] { return false; }, 50);
            aliveAfterYielding = !watched.expired();
        };
    }
    PushButton* button = watched.lock()->Button;
    Click(*button);

    EXPECT_TRUE(aliveAfterYielding);
    EXPECT_TRUE(RunEventLoopUntil([&] { return watched.expired(); }));
}

TEST_F(WindowTest, TheCloseBoxAsksCancelCloseAndTrueKeepsTheWindow) {
    auto window = PagedWindow::Instance();
    window->refuseClose = true;
    window->log.clear();

    PressCloseBox(*window);

    EXPECT_THAT(window->log, ElementsAre("CancelClose"));
    EXPECT_TRUE(window->Visible());
    EXPECT_FALSE(window->IsClosed());
    EXPECT_EQ(PagedWindow::Instance(), window);
}

TEST_F(WindowTest, TheCloseBoxClosesWhenCancelCloseAnswersFalse) {
    auto other = ButtonWindow::Instance();
    auto window = PagedWindow::Instance();

    PressCloseBox(*window);

    EXPECT_TRUE(window->IsClosed());
    EXPECT_NE(PagedWindow::Instance(), window);
    EXPECT_EQ(QuitCount(), 0) << "another window is still shown";
}

TEST_F(WindowTest, ClosingTheLastShownWindowEndsTheApplication) {
    auto window = ButtonWindow::Instance();
    PressCloseBox(*window);
    EXPECT_EQ(window->cancelCloseCount, 1);
    EXPECT_EQ(QuitCount(), 1);
}

TEST_F(WindowTest, ShowModalReturnsOnceTheScriptHidesTheWindow) {
    auto window = ButtonWindow::Instance();
    window->Button->OnAction = [&] { window->Hide(); };
    window->Hide();
    bool shownToTheScript = false;
    ModalScript::Push([&](Modal& modal) {
        ASSERT_EQ(modal.kind, ModalKind::Window);
        ASSERT_EQ(modal.window, window.get());
        shownToTheScript = window->Visible();
        Click(*window->Button);
    });

    window->ShowModal();

    EXPECT_TRUE(shownToTheScript);
    EXPECT_FALSE(window->Visible());
    EXPECT_FALSE(window->IsClosed()) << "hidden, not closed: its state stays readable";
}

TEST_F(WindowTest, AScriptThatLeavesTheModalWindowShownFailsAndTheWindowIsHidden) {
    auto window = ButtonWindow::Instance();
    ModalScript::Push([](Modal&) {});

    window->ShowModal();

    EXPECT_FALSE(window->Visible());
    EXPECT_THAT(TakeModalFailures(), ElementsAre(HasSubstr("unanswered")));
}

TEST_F(WindowTest, ShowModalRunsTheEventLoopUntilTheUserHidesTheWindow) {
    ModalScript::SetScripting(false);
    auto window = ButtonWindow::Instance();
    window->Button->OnAction = [&] { window->Hide(); };
    bool timedOut = false;
    RunLater(50, [&] { Click(*window->Button); });
    RunLater(5000, [&] {
        timedOut = true;
        window->Hide();
    });

    window->ShowModal();

    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(window->Visible());
}

TEST_F(WindowTest, ReturnPressesTheDefaultButton) {
    auto window = ButtonWindow::Instance();
    int pressed = 0;
    window->Button->OnAction = [&] { ++pressed; };

    PressReturn(*window);
    window->Button->SetDefault(true);
    PressReturn(*window);
    window->Button->SetEnabled(false);
    PressReturn(*window);

    EXPECT_EQ(pressed, 1);
}

class KeyWindow : public ButtonWindow {
public:
    std::vector<std::string> keys;

protected:
    bool Event_KeyDown(const String& key) override {
        keys.push_back(key == KeyEscape ? "Escape" : key == KeyReturn ? "Return" : key.ToUTF8());
        return key == " ";
    }
};

TEST_F(WindowTest, KeysThatNoControlTakesAreTheWindowsKeyDownBeforeTheDefaultButton) {
    auto window = Window::New<KeyWindow>();
    int pressed = 0;
    window->Button->OnAction = [&] { ++pressed; };
    window->Button->SetDefault(true);

    for (Key key : {Key::Escape, Key::Space, Key::A, Key::Return})
        PressKey(*window, key);

    EXPECT_THAT(window->keys, ElementsAre("Escape", " ", "a", "Return"));
    EXPECT_EQ(pressed, 1);
}

TEST_F(WindowTest, APressOutsideTheControlsOrOnALabelIsTheWindowsMouseDown) {
    auto window = PagedWindow::Instance();
    window->Pages->SetValue(2);
    window->log.clear();

    ClickInWindow(*window, 10, 20);
    Click(*window->CopyHeading);
    Click(*window->Next);

    EXPECT_THAT(window->log, ElementsAre("MouseDown 10,20", "MouseDown 226,79", "Next"));
}

class SmallWindow : public Window {
protected:
    void Layout() override { SetContentSize(200, 150); }
};

class SmallDialog : public Window {
protected:
    void Layout() override {
        SetContentSize(100, 80);
        SetFrame(kModalDialogFrame);
    }
};

TEST_F(WindowTest, ASecondWindowOpensBesideTheFirstInsteadOfOverIt) {
    auto first = Window::New<SmallWindow>();
    auto second = Window::New<SmallWindow>();
    const QRect a = first->FrameWidget()->frameGeometry();
    const QRect b = second->FrameWidget()->frameGeometry();
    EXPECT_FALSE(a.intersects(b));
    EXPECT_GT(b.left(), a.right());
    EXPECT_EQ(b.top(), a.top());
}

TEST_F(WindowTest, DialogsAreNotMovedBesideTheirWindow) {
    auto first = Window::New<SmallWindow>();
    auto dialog = Window::New<SmallDialog>();
    EXPECT_LE(dialog->FrameWidget()->frameGeometry().left(),
              first->FrameWidget()->frameGeometry().right());
}

// A window of the given content width with a push button whose right edge
// lies at buttonRight.
class WideWindow : public Window {
public:
    WideWindow(int width, int buttonRight) : width_(width), buttonRight_(buttonRight) {}

protected:
    void Layout() override {
        SetContentSize(width_, 300);
        SetResizable(false);
    }
    void CreateControls() override {
        if (buttonRight_ > 0)
            Add<PushButton>("Next", buttonRight_ - 80, 260, 80, 20)->SetCaption("次へ");
    }

private:
    int width_;
    int buttonRight_;
};

struct PlaceCase {
    const char* name;
    int firstWidth, firstLeft, buttonRight, secondWidth;
};

class BesidePlacement : public GuiTest, public testing::WithParamInterface<PlaceCase> {};

// The second window goes to the right of the first, which moves left when
// that lets the screen hold both; on a screen too narrow for both, the first
// goes to the left edge and the second covers none of its buttons.
TEST_P(BesidePlacement, TheSecondWindowGoesRightOfTheFirst) {
    const PlaceCase& c = GetParam();
    auto first = Window::New<WideWindow>(c.firstWidth, c.buttonRight);
    first->FrameWidget()->move(c.firstLeft, 40);
    auto second = Window::New<WideWindow>(c.secondWidth, 0);

    const QRect room = first->FrameWidget()->screen()->availableGeometry();
    const QRect a = first->FrameWidget()->frameGeometry();
    const QRect b = second->FrameWidget()->frameGeometry();
    EXPECT_GT(b.left(), a.left());
    EXPECT_EQ(b.top(), a.top());
    if (a.width() + b.width() < room.width()) {
        EXPECT_FALSE(a.intersects(b));
        EXPECT_TRUE(room.contains(a) && room.contains(b));
        EXPECT_EQ(a.left(), std::min(c.firstLeft, room.right() + 1 - (b.right() + 1 - a.left())))
            << "the first moves only as far as it must";
    } else {
        // Past the buttons by a gap and the windows' frames, or at the screen's right edge.
        const int frames = 2 * (first->FrameWidget()->geometry().left() - a.left());
        EXPECT_EQ(a.left(), room.left());
        EXPECT_GT(b.left(), a.left() + c.buttonRight);
        EXPECT_LE(b.left(),
                  std::max(room.right() + 1 - b.width(), a.left() + c.buttonRight + 8 + frames));
    }
}

INSTANTIATE_TEST_SUITE_P(Screen, BesidePlacement,
                         testing::Values(PlaceCase{"RoomOnTheRight", 300, 0, 280, 200},
                                         PlaceCase{"CentredFirstMovesLeft", 400, 200, 380, 300},
                                         PlaceCase{"TooNarrowForBoth", 600, 100, 560, 360},
                                         PlaceCase{"TooNarrowButtonsAtTheEdge", 600, 100, 600,
                                                   360}),
                         [](const auto& info) { return std::string(info.param.name); });

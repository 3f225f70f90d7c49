// A double click on a button whose first click changed its meaning: the
// second click was meant for what the user saw.

#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/Accessibility.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

namespace {

class PushButtonTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = ButtonWindow::Instance();
        window->Button->SetCaption("コピー");
    }

    // The button becomes "中止" when it starts, as the copy button does.
    void StartsAndStops() {
        window->Button->OnAction = [this] {
            if (window->Button->Caption() == "コピー") {
                ++starts;
                window->Button->SetCaption("中止");
            } else {
                ++stops;
            }
        };
    }

    std::shared_ptr<ButtonWindow> window;
    int starts = 0;
    int stops = 0;
};

TEST_F(PushButtonTest, TheSecondClickOfADoubleClickIsNotTakenForTheNewCaption) {
    StartsAndStops();
    Click(*window->Button);
    Click(*window->Button);

    EXPECT_EQ(starts, 1);
    EXPECT_EQ(stops, 0);
    EXPECT_EQ(AccessibleOf(*window->Button).name, "中止");

    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    Click(*window->Button);
    EXPECT_EQ(stops, 1) << "a click of its own stops";
}

TEST_F(PushButtonTest, ADoubleClickOnAButtonThatKeepsItsCaptionIsTwoClicks) {
    window->Button->OnAction = [this] { ++starts; };
    Click(*window->Button);
    Click(*window->Button);
    EXPECT_EQ(starts, 2);
}

TEST_F(PushButtonTest, APressFromCodeIsAlwaysTaken) {
    StartsAndStops();
    window->Button->Push();
    window->Button->Push();
    EXPECT_EQ(stops, 1);
}

} // namespace

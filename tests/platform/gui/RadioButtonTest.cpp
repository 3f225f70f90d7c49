#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/Accessibility.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

#include <QAccessible>
#include <QWidget>

#include <string>
#include <utility>

using ::testing::ElementsAre;

class RadioButtonTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = Window::New<PagedWindow>();
    }

    std::shared_ptr<PagedWindow> window;

    void ShowPageAndClearLog(int page) {
        window->Pages->SetValue(page);
        window->log.clear();
    }
};

TEST_F(RadioButtonTest, AllButtonsStartClear) {
    for (RadioButton* button :
         {window->Device, window->Network, window->CopyReplace, window->CopyKeep})
        EXPECT_FALSE(button->Value()) << button->Name();
}

TEST_F(RadioButtonTest, ClickSelectsAndClearsThePartnerOfTheSameContainerOnly) {
    window->Device->SetValue(true);
    window->PasteReplace->SetValue(true);
    ShowPageAndClearLog(2);

    Click(*window->CopyReplace);
    Click(*window->CopyKeep);

    EXPECT_FALSE(window->CopyReplace->Value());
    EXPECT_TRUE(window->CopyKeep->Value());
    EXPECT_TRUE(window->Device->Value());
    EXPECT_TRUE(window->PasteReplace->Value());
    EXPECT_FALSE(ShownChecked(*window->CopyReplace));
    EXPECT_TRUE(ShownChecked(*window->CopyKeep));
}

TEST_F(RadioButtonTest, ThePartnersActionComesBeforeTheSelectedOnes) {
    ShowPageAndClearLog(0);
    Click(*window->Device);
    Click(*window->Network);
    window->Device->SetValue(true);

    EXPECT_THAT(window->log,
                ElementsAre("Device on", "Device off", "Network on", "Network off", "Device on"));
}

TEST_F(RadioButtonTest, ClickOnTheSelectedButtonKeepsItAndRaisesNothing) {
    ShowPageAndClearLog(0);
    Click(*window->Device);
    Click(*window->Device);

    EXPECT_TRUE(window->Device->Value());
    EXPECT_TRUE(ShownChecked(*window->Device));
    EXPECT_THAT(window->log, ElementsAre("Device on"));
}

TEST_F(RadioButtonTest, CodeCanClearTheSelectedButtonSoBothAreClear) {
    window->Network->SetValue(true);
    window->log.clear();

    window->Network->SetValue(false);

    EXPECT_FALSE(window->Device->Value());
    EXPECT_FALSE(window->Network->Value());
    EXPECT_FALSE(ShownChecked(*window->Network));
    EXPECT_THAT(window->log, ElementsAre("Network off"));
}

TEST_F(RadioButtonTest, SettingTheValueItHasRaisesNothing) {
    window->log.clear();
    window->Device->SetValue(false);
    EXPECT_TRUE(window->log.empty());
}

TEST_F(RadioButtonTest, DisabledButtonIgnoresClicks) {
    ShowPageAndClearLog(0);
    window->Device->SetEnabled(false);
    Click(*window->Device);
    EXPECT_FALSE(window->Device->Value());
    EXPECT_TRUE(window->log.empty());
}

TEST_F(RadioButtonTest, AccessibilitySeesEachAsARadioButtonWithItsState) {
    window->Network->SetValue(true);
    window->PasteKeep->SetValue(true);
    for (RadioButton* button : {window->Device, window->Network, window->CopyReplace,
                                window->CopyKeep, window->PasteReplace, window->PasteKeep}) {
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(button->Widget());
        ASSERT_NE(seen, nullptr) << button->Name();
        EXPECT_EQ(seen->role(), QAccessible::RadioButton) << button->Name();
        EXPECT_EQ(seen->state().checked, button->Value()) << button->Name();
    }
}

struct ArrowCase {
    const char* name;
    int page;
    bool selectFrom; // the button left is selected
    Key key;
    bool forward; // the focus moves from the first button of the pair to the second
};

class RadioArrowTest : public RadioButtonTest, public testing::WithParamInterface<ArrowCase> {
protected:
    std::pair<RadioButton*, RadioButton*> Pair(int page) const {
        return page == 0 ? std::pair{window->Device, window->Network}
                         : std::pair{window->CopyReplace, window->CopyKeep};
    }
};

// The arrow keys go to the other button of the pair, as in any radio group,
// and take the selection along when the button left had it; a button of the
// page's other pair or of another container is never reached.
TEST_P(RadioArrowTest, TheArrowsMoveWithinThePair) {
    const ArrowCase& c = GetParam();
    ShowPageAndClearLog(c.page);
    window->PasteReplace->SetValue(true);
    const auto [first, second] = Pair(c.page);
    RadioButton* from = c.forward ? first : second;
    RadioButton* to = c.forward ? second : first;
    FocusOn(*from);
    if (c.selectFrom)
        from->SetValue(true);

    PressKey(*from, c.key);

    EXPECT_TRUE(AccessibleOf(*to).focused);
    EXPECT_FALSE(AccessibleOf(*from).focused);
    EXPECT_EQ(to->Value(), c.selectFrom);
    EXPECT_EQ(AccessibleOf(*to).checked, c.selectFrom);
    EXPECT_FALSE(from->Value());
    EXPECT_TRUE(window->PasteReplace->Value());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RadioArrowTest,
    testing::Values(ArrowCase{"DownTakesTheSelection", 0, true, Key::Down, true},
                    ArrowCase{"UpTakesTheSelection", 0, true, Key::Up, false},
                    ArrowCase{"RightInAGroupBox", 2, true, Key::Right, true},
                    ArrowCase{"LeftInAGroupBox", 2, true, Key::Left, false},
                    ArrowCase{"WithoutSelectionOnlyTheFocusMoves", 0, false, Key::Down, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioButtonTest, AnArrowPastTheEndOfThePairStays) {
    ShowPageAndClearLog(0);
    FocusOn(*window->Network);
    window->Network->SetValue(true);
    PressKey(*window->Network, Key::Down);
    EXPECT_TRUE(AccessibleOf(*window->Network).focused);
    EXPECT_TRUE(window->Network->Value());
}

TEST_F(RadioButtonTest, AScreenReadersToggleSelectsAsAClickDoes) {
    ShowPageAndClearLog(0);
    window->Device->SetValue(true);
    window->log.clear();
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(window->Network->Widget());
    ASSERT_NE(seen->actionInterface(), nullptr);
    seen->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    seen->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());

    EXPECT_TRUE(window->Network->Value());
    EXPECT_FALSE(window->Device->Value());
    EXPECT_TRUE(ShownChecked(*window->Network));
    EXPECT_THAT(window->log, ElementsAre("Device off", "Network on"));
}

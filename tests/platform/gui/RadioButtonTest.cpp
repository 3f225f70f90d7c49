#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

#include <QAccessible>
#include <QWidget>

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

#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

class PageVisibilityTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = Window::New<PagedWindow>();
        window->log.clear();
    }

    std::shared_ptr<PagedWindow> window;
};

TEST_F(PageVisibilityTest, OnlyTheCurrentPagesControlsAreSeen) {
    EXPECT_TRUE(OnScreen(*window->Device));
    EXPECT_FALSE(OnScreen(*window->CopyHeading));
    EXPECT_FALSE(window->CopyHeading->Shown());
    EXPECT_TRUE(window->CopyHeading->Visible()) << "its own Visible is untouched";

    window->Pages->SetValue(2);

    EXPECT_FALSE(OnScreen(*window->Device));
    EXPECT_TRUE(OnScreen(*window->CopyHeading));
}

TEST_F(PageVisibilityTest, ControlsOutsideThePanelAreSeenOnEveryPage) {
    for (int page = 0; page < 4; ++page) {
        window->Pages->SetValue(page);
        EXPECT_TRUE(OnScreen(*window->Next)) << "page " << page;
    }
}

TEST_F(PageVisibilityTest, GroupBoxChildrenFollowTheirBoxAndItsPage) {
    EXPECT_FALSE(OnScreen(*window->CopyReplace)) << "the box's page is not shown";

    window->Pages->SetValue(2);
    EXPECT_TRUE(OnScreen(*window->CopyReplace));
    EXPECT_FALSE(OnScreen(*window->PasteReplace));

    window->CopyBox->SetVisible(false);
    EXPECT_FALSE(OnScreen(*window->CopyReplace));
    EXPECT_FALSE(OnScreen(*window->CopyKeep));
    EXPECT_TRUE(window->CopyReplace->Visible());

    window->CopyBox->SetVisible(true);
    EXPECT_TRUE(OnScreen(*window->CopyKeep));
}

TEST_F(PageVisibilityTest, AHiddenControlStaysHiddenWhenItsPageComes) {
    window->CopyHeading->SetVisible(false);
    window->Pages->SetValue(2);
    EXPECT_FALSE(OnScreen(*window->CopyHeading));
}

TEST_F(PageVisibilityTest, SettingTheValueRaisesChangeOnlyWhenItChanges) {
    window->Pages->SetValue(3);
    window->Pages->SetValue(3);
    window->Pages->SetValue(1);
    EXPECT_THAT(window->log, ElementsAre("Change 3", "Change 1"));
}

TEST_F(PageVisibilityTest, ChangeSeesTheNewPageAlreadyShown) {
    bool headingShownInChange = false;
    window->Pages->OnChange = [&] { headingShownInChange = OnScreen(*window->CopyHeading); };
    window->Pages->SetValue(2);
    EXPECT_TRUE(headingShownInChange);
}

TEST_F(PageVisibilityTest, AValuePastTheLastPageIsKeptAndShowsNoPage) {
    window->Pages->SetValue(4);

    EXPECT_EQ(window->Pages->Value(), 4);
    EXPECT_THAT(window->log, ElementsAre("Change 4"));
    for (Control* control :
         {static_cast<Control*>(window->Device), static_cast<Control*>(window->CopyHeading),
          static_cast<Control*>(window->PasteKeep)})
        EXPECT_FALSE(OnScreen(*control)) << control->Name();
    EXPECT_TRUE(OnScreen(*window->Next));
}

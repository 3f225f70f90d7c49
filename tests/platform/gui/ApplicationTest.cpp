#include "platform/gui/Application.h"
#include "platform/Nil.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/ModalScript.h"
#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

#include <QAccessible>
#include <QAction>
#include <QMenu>

#include <stdexcept>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

using QuitTest = GuiTest;

TEST_F(QuitTest, ARefusedQuitReturnsToItsCallerWhoseStepsGoOn) {
    auto window = PagedWindow::Instance();
    window->refuseClose = true;
    window->Next->OnAction = [&] {
        window->log.push_back("before Quit");
        Quit();
        window->log.push_back("after Quit");
    };
    window->log.clear();

    Click(*window->Next);

    EXPECT_THAT(window->log, ElementsAre("before Quit", "CancelClose quitting", "after Quit"));
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(QuitCount(), 0);
}

TEST_F(QuitTest, OneRefusingWindowKeepsEveryWindowOpen) {
    auto agreeing = ButtonWindow::Instance();
    auto refusing = PagedWindow::Instance();
    refusing->refuseClose = true;

    Quit();

    EXPECT_FALSE(agreeing->IsClosed());
    EXPECT_FALSE(refusing->IsClosed());
    EXPECT_EQ(QuitCount(), 0);
}

TEST_F(QuitTest, AnAcceptedQuitClosesEveryWindowAndEndsTheApplication) {
    auto first = ButtonWindow::Instance();
    auto second = PagedWindow::Instance();
    second->log.clear();

    Quit();

    EXPECT_EQ(first->cancelCloseCount, 1);
    EXPECT_THAT(second->log, ElementsAre("CancelClose quitting"));
    EXPECT_TRUE(first->IsClosed());
    EXPECT_TRUE(second->IsClosed());
    EXPECT_TRUE(Window::OpenWindows().empty());
    EXPECT_EQ(QuitCount(), 1);
}

TEST_F(QuitTest, QuitEndsTheRunningEventLoop) {
    auto application = MakeApplication();
    auto window = ButtonWindow::Instance();
    RunLater(10, [] { Quit(); });

    EXPECT_TRUE(RunUntilTheApplicationEnds(*application));
}

class OpenCountingApplication : public Application {
public:
    int opened = 0;
    int menusPrepared = 0;

protected:
    void Event_Open() override {
        ++opened;
        Quit();
    }
    void Event_EnableMenuItems() override { ++menusPrepared; }
};

TEST_F(QuitTest, RunRaisesOpenOnceWhenTheLoopStarts) {
    auto application = MakeApplication<OpenCountingApplication>();
    RunLater(5000, [] { EndApplication(); });
    application->Run();
    EXPECT_EQ(application->opened, 1);
}

using UnhandledExceptionTest = GuiTest;

TEST_F(UnhandledExceptionTest, ExceptionsEscapingHandlersReachTheHandlerHook) {
    auto window = PagedWindow::Instance();
    window->Next->OnAction = [] { throw NilObjectException(); };
    window->Pages->OnChange = [] { throw std::runtime_error("page"); };

    Click(*window->Next);
    window->Pages->SetValue(1);

    EXPECT_THAT(TakeUnhandledExceptions(),
                ElementsAre("NilObjectException: NilObjectException", "std::runtime_error: page"));
    EXPECT_EQ(window->Pages->Value(), 1);
}

class ThrowingCancelClose : public Window {
protected:
    bool Event_CancelClose(bool) override { throw NilObjectException(); }
};

TEST_F(UnhandledExceptionTest, ACancelCloseThatThrowsKeepsTheWindow) {
    auto window = Window::New<ThrowingCancelClose>();
    PressCloseBox(*window);
    EXPECT_FALSE(window->IsClosed());
    EXPECT_THAT(TakeUnhandledExceptions(), ElementsAre(HasSubstr("NilObjectException")));
}

TEST_F(UnhandledExceptionTest, TheDefaultHandlerAlertsAndEndsTheApplication) {
    auto application = std::make_unique<Application>();
    auto window = ButtonWindow::Instance();
    window->Button->OnAction = [] { throw NilObjectException(); };
    std::string alert;
    ModalScript::Push([&](Modal& modal) {
        alert = modal.message;
        modal.PressActionButton();
    });

    Click(*window->Button);

    EXPECT_EQ(alert, "An exception of class NilObjectException was not handled. The application "
                     "must shut down.");
    EXPECT_TRUE(window->IsClosed());
    EXPECT_EQ(QuitCount(), 1);
}

class MenuTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        application = MakeApplication<OpenCountingApplication>();
        bar = std::make_shared<MenuBar>();
        fileMenu = AddItem<MenuItem>(*bar, "FileMenu", "File");
        quitItem = AddItem<QuitMenuItem>(*fileMenu, "FileQuit", "&Quit");
        quitItem->SetKeyboardShortcut("Cmd+Q");
        editMenu = AddItem<MenuItem>(*bar, "EditMenu", "Edit");
        undoItem = AddItem<MenuItem>(*editMenu, "EditUndo", "Undo");
        separator = AddItem<MenuItem>(*editMenu, "UntitledMenu1", "-");
        aboutItem =
            AddItem<AppleMenuItem>(*editMenu, "AppleAbout", "About DRAVO Migration Assistant…");
        application->SetMenuBar(bar);
    }

    template <class Item>
    std::shared_ptr<Item> AddItem(MenuItem& menu, const std::string& name, const char* text) {
        auto item = std::make_shared<Item>();
        item->SetName(name);
        item->SetAutoEnable(true);
        item->SetText(text);
        menu.Append(item);
        return item;
    }

    std::unique_ptr<OpenCountingApplication> application;
    std::shared_ptr<MenuBar> bar;
    std::shared_ptr<MenuItem> fileMenu, quitItem, editMenu, undoItem, separator, aboutItem;
};

TEST_F(MenuTest, ItemsAreFoundByNameAmongChildrenAndBelow) {
    EXPECT_EQ(bar->Child("EditMenu"), editMenu);
    EXPECT_EQ(bar->Child("AppleAbout"), nullptr);
    EXPECT_EQ(bar->FindItem("AppleAbout"), aboutItem);
    EXPECT_EQ(editMenu->Count(), 3);
    EXPECT_EQ(editMenu->Item(1), separator);
}

TEST_F(MenuTest, ASeparatorIsToldAsOneWithoutText) {
    EXPECT_EQ(separator->Text(), String("-"));
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(editMenu->Action()->menu());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->childCount(), 3);
    EXPECT_EQ(menu->child(1)->role(), QAccessible::Separator);
    EXPECT_EQ(menu->child(1)->text(QAccessible::Name).toStdString(), "");
    EXPECT_EQ(menu->child(0)->text(QAccessible::Name).toStdString(), "Undo");
}

TEST_F(MenuTest, ChoosingAnItemRunsTheHandlerInstalledUnderItsName) {
    int chosen = 0;
    application->AddMenuHandler("AppleAbout", [&] {
        ++chosen;
        return true;
    });
    Choose(*aboutItem);
    Choose(*undoItem);
    EXPECT_EQ(chosen, 1);
}

TEST_F(MenuTest, TheQuitItemQuitsUnlessAHandlerTakesIt) {
    Choose(*quitItem);
    EXPECT_EQ(QuitCount(), 1);

    application->AddMenuHandler("FileQuit", [] { return true; });
    Choose(*quitItem);
    EXPECT_EQ(QuitCount(), 1);
}

TEST_F(MenuTest, OpeningAMenuEnablesAutoEnableItemsThenRaisesEnableMenuItems) {
    aboutItem->SetEnabled(false);
    undoItem->SetAutoEnable(false);
    undoItem->SetEnabled(false);

    OpenMenu(*editMenu);

    EXPECT_TRUE(aboutItem->Enabled());
    EXPECT_FALSE(undoItem->Enabled());
    EXPECT_EQ(application->menusPrepared, 1);
}

TEST_F(MenuTest, WindowsShowTheApplicationsMenuBarExceptDialogs) {
    auto document = PagedWindow::Instance();
    auto sheet = ButtonWindow::Instance();

    EXPECT_THAT(MenusShown(*document), ElementsAre("File", "Edit"));
    EXPECT_THAT(MenusShown(*sheet), ElementsAre());
}

TEST_F(MenuTest, TheCommandKeyIsControlOffTheMac) {
    EXPECT_EQ(ShortcutText(*quitItem), "Ctrl+Q");
    EXPECT_EQ(quitItem->KeyboardShortcut(), String("Cmd+Q"));
}

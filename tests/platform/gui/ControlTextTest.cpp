#include "platform/gui/ProgressBar.h"
#include "platform/text/TextEncoding.h"
#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

class ControlTextTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = ButtonWindow::Instance();
    }

    std::shared_ptr<ButtonWindow> window;
};

TEST_F(ControlTextTest, JapaneseTextIsKeptAndShown) {
    const String text = "DRAVO 移行アシスタント";
    window->Label->SetText(text);
    window->Button->SetCaption("フォルダを取得...");

    EXPECT_EQ(window->Label->Text(), text);
    EXPECT_EQ(ShownText(*window->Label), "DRAVO 移行アシスタント");
    EXPECT_EQ(ShownText(*window->Button), "フォルダを取得...");
}

TEST_F(ControlTextTest, TextIsShownDecodedThroughItsEncodingLabel) {
    // "日本語" in Mac Japanese.
    const String macJapanese =
        String::FromBytes("\x93\xfa\x96\x7b\x8c\xea", Encodings::MacJapanese());
    window->Label->SetText(String("/Users/a ") + macJapanese);

    EXPECT_EQ(ShownText(*window->Label), "/Users/a 日本語");
    window->Label->SetText(macJapanese);
    EXPECT_EQ(window->Label->Text().Bytes(), "\x93\xfa\x96\x7b\x8c\xea");
    EXPECT_EQ(window->Label->Text().Encoding(), Encodings::MacJapanese());
}

TEST_F(ControlTextTest, EveryLineEndingShowsAsOneLineBreak) {
    window->Label->SetMultiline(true);
    window->Label->SetText(String("STEP 1") + EndOfLine() + String("はじめに"));
    EXPECT_EQ(ShownText(*window->Label), "STEP 1\nはじめに");

    window->Label->SetText("a\rb\r\nc");
    EXPECT_EQ(ShownText(*window->Label), "a\nb\nc");
}

TEST_F(ControlTextTest, TheTextColourIsDrawnWhileEnabledAndGreyWhileDisabled) {
    StaticText& label = *window->Label;
    label.SetText("■■");
    label.SetTextSize(40);
    label.SetTextColor(RGB(0, 0, 255));

    EXPECT_EQ(DrawnTextColor(label), RGB(0, 0, 255));

    label.SetEnabled(false);
    const Color greyed = DrawnTextColor(label);
    EXPECT_NE(greyed, RGB(0, 0, 255));
    EXPECT_EQ(greyed.red, greyed.green) << "a grey";
    EXPECT_EQ(greyed.green, greyed.blue) << "a grey";
    EXPECT_EQ(label.TextColor(), RGB(0, 0, 255))
        << "the colour is kept for when it is enabled again";
}

TEST_F(ControlTextTest, ProgressBeyondTheMaximumShowsAFullBar) {
    auto* bar = window->Add<ProgressBar>("ProgressBar1", 200, 220, 200, 20);
    bar->SetMaximum(10);
    bar->SetValue(25);

    EXPECT_EQ(bar->Value(), 25);
    EXPECT_EQ(ShownProgress(*bar), 10);
}

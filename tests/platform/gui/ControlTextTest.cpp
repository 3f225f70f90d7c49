#include "platform/gui/ProgressBar.h"
#include "platform/text/TextEncoding.h"
#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

#include <QFontMetrics>
#include <QLabel>

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

TEST_F(ControlTextTest, ATwoLineTextThatWouldWrapToThreeIsDrawnSmallerToFitItsBox) {
    StaticText* line = window->Add<StaticText>("InstructionLine", 30, 422, 430, 44);
    line->SetMultiline(true);
    line->SetText("コピーが完了しました。終了ボタンを押して、本ソフトウェアを終了して下さい。\n"
                  "その後、外部デバイスを新マシンに繋ぎ直して、再度起動してください。");
    const QLabel* label = static_cast<const QLabel*>(line->Widget());
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(QRect(0, 0, 430, 10000), Qt::TextWordWrap, label->text());
    EXPECT_LE(needed.height(), 44);
    EXPECT_LT(label->font().pixelSize(), 12);
    EXPECT_GE(label->font().pixelSize(), 10);
}

TEST_F(ControlTextTest, ATextThatFitsKeepsItsLayoutSize) {
    StaticText* line = window->Add<StaticText>("Short", 30, 422, 430, 44);
    line->SetMultiline(true);
    line->SetText("取得が完了したら、「次へ」ボタンを押して下さい。");
    EXPECT_EQ(static_cast<const QLabel*>(line->Widget())->font().pixelSize(), 12);
}

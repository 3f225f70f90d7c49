#include "platform/gui/JapaneseLines.h"
#include "platform/gui/LayoutFont.h"
#include "platform/gui/ProgressBar.h"
#include "platform/text/TextEncoding.h"
#include "tests/platform/gui/TestWindows.h"
#include "tests/support/gui/Accessibility.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/UserActions.h"

#include <gmock/gmock.h>

#include <QFontMetrics>
#include <QLabel>

#include <string>
#include <vector>

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

struct LinesCase {
    const char* name;
    const char* text;
    int widthInCharacters; // the width that this many of the text's first characters take
    std::vector<std::string> lines;
};

class JapaneseLinesTest : public GuiTest, public testing::WithParamInterface<LinesCase> {};

TEST_P(JapaneseLinesTest, BreaksWhereJapaneseBreaks) {
    const LinesCase& c = GetParam();
    const QFontMetrics metrics(LayoutFont(12));
    const QString text = QString::fromUtf8(c.text);
    const int width = metrics.horizontalAdvance(text.left(c.widthInCharacters));
    std::vector<std::string> lines;
    for (const QString& line : JapaneseLines(text, metrics, width))
        lines.push_back(line.toStdString());
    EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Kinsoku, JapaneseLinesTest,
    testing::Values(
        LinesCase{"TheTextsOwnLineEndsAreKept", "一行目\n二行目", 3, {"一行目", "二行目"}},
        LinesCase{"AfterPunctuationRatherThanInAWord",
                  "コピーできなかったアイテムがあります。このまま終了しても、"
                  "ペーストのステップには進めません。",
                  25,
                  {"コピーできなかったアイテムがあります。", "このまま終了しても、",
                   "ペーストのステップには進めません。"}},
        LinesCase{"NoFullStopBeginsALine",
                  "あいうえおかきくけこ。さしす",
                  10,
                  {"あいうえおかきくけ", "こ。さしす"}},
        LinesCase{"NoSmallKanaBeginsALine", "あいうえおきゃく", 6, {"あいうえお", "きゃく"}},
        LinesCase{
            "NoOpeningBracketEndsALine", "あいうえお「かきく」", 6, {"あいうえお", "「かきく」"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlTextTest, ALineTooLongForTheBoxAtAnySizeIsBrokenAtItsWrittenLineEnd) {
    StaticText* line = window->Add<StaticText>("InstructionLine", 30, 422, 430, 44);
    line->SetMultiline(true);
    const std::string text = "コピーできなかったアイテムがあります。このまま終了しても、"
                             "ペーストのステップには進めません。\n"
                             "原因を取り除いてから、再度コピーボタンを押してください。";
    line->SetText(String(text));
    EXPECT_EQ(ShownText(*line), text) << "its own two lines, no word broken";
    const QLabel* label = static_cast<const QLabel*>(line->Widget());
    const QRect needed =
        QFontMetrics(label->font()).boundingRect(QRect(0, 0, 430, 10000), 0, label->text());
    EXPECT_LE(needed.width(), 430);
    EXPECT_LE(needed.height(), 44);
}

TEST_F(ControlTextTest, ALongPathIsShortenedInItsMiddleAndKeepsWhatIsSaidOfIt) {
    StaticText* status = window->Add<StaticText>("StaticText21", 50, 200, 500, 20);
    status->SetTextAlign(StaticText::Alignment::Center);
    std::string path = "/Users/taro/Library/Application Support";
    for (int i = 0; i < 12; ++i)
        path += "/フォルダ" + std::to_string(i);
    const std::string text = path + " をコピー中...";
    status->SetText(String(text));

    const std::string shown = ShownText(*status);
    EXPECT_EQ(shown.rfind("/Users/taro/", 0), 0u) << shown;
    EXPECT_NE(shown.find("…"), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.size() - std::string(" をコピー中...").size()), " をコピー中...");
    const QLabel* label = static_cast<const QLabel*>(status->Widget());
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), 500);
    EXPECT_EQ(AccessibleOf(*status).name, text) << "read out whole";
}

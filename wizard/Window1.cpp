#include "wizard/Window1.h"

#include <initializer_list>

#include "platform/Nil.h"
#include "platform/gui/MenuBar.h"

namespace {

constexpr double kSystemTextSize = 12;
constexpr double kHeadingTextSize = 14;

// Lines joined by one line ending each, none after the last.
String JoinLines(std::initializer_list<String> lines) {
    String text;
    bool first = true;
    for (const String& line : lines) {
        if (!first)
            text = text + EndOfLine();
        text = text + line;
        first = false;
    }
    return text;
}

void Plain(StaticText& text) {
    text.SetTextSize(kSystemTextSize);
}

void Heading(StaticText& text) {
    text.SetTextSize(kHeadingTextSize);
    text.SetBold(true);
}

void MultiLine(StaticText& text) {
    Plain(text);
    text.SetMultiline(true);
}

void CentredLine(StaticText& text) {
    Plain(text);
    text.SetTextAlign(StaticText::Alignment::Center);
}

void StepLabel(StaticText& text) {
    MultiLine(text);
    text.SetTextAlign(StaticText::Alignment::Center);
}

} // namespace

// The menu bar is the application's, which the window shows as its own.
void Window1::Layout() {
    SetContentSize(600, 480);
    SetFrame(kDocumentFrame);
    SetCloseBox(true);
    SetMinimizeBox(true);
    SetMaximizeBox(false);
    SetResizable(false);
    SetVisible(true);
    SetMenuBarVisible(true);
    // The item list beside it refuses its own close box while the wizard lives.
    SetQuitOnClose(true);
}

void Window1::CreateControls() {
    _CreateControls0();
}

void Window1::_CreateControls0() {
    PagePanel1 = Add<PagePanel>("PagePanel1", 0, 60, 600, 350);
    PagePanel1->SetPageCount(4);
    PagePanel1->SetValue(0);
    PagePanel1->OnChange = [this] { PagePanel1_Change(); };

    StaticText5 = Add<StaticText>("StaticText5", 50, 70, 510, 20);
    StaticText5->SetParent(*PagePanel1, 0);
    Heading(*StaticText5);

    StaticText8 = Add<StaticText>("StaticText8", 70, 130, 400, 50);
    StaticText8->SetParent(*PagePanel1, 0);
    MultiLine(*StaticText8);

    StaticText11 = Add<StaticText>("StaticText11", 50, 70, 436, 20);
    StaticText11->SetParent(*PagePanel1, 1);
    Heading(*StaticText11);

    StaticText12 = Add<StaticText>("StaticText12", 50, 70, 354, 20);
    StaticText12->SetParent(*PagePanel1, 2);
    Heading(*StaticText12);

    StaticText14 = Add<StaticText>("StaticText14", 50, 70, 362, 20);
    StaticText14->SetParent(*PagePanel1, 3);
    Heading(*StaticText14);

    StaticText17 = Add<StaticText>("StaticText17", 60, 100, 480, 91);
    StaticText17->SetParent(*PagePanel1, 1);
    MultiLine(*StaticText17);

    StaticText20 = Add<StaticText>("StaticText20", 60, 100, 480, 90);
    StaticText20->SetParent(*PagePanel1, 2);
    MultiLine(*StaticText20);

    PushButton5 = Add<PushButton>("PushButton5", 260, 260, 80, 20);
    PushButton5->SetParent(*PagePanel1, 2);
    PushButton5->OnAction = [this] { PushButton5_Action(); };

    PushButton6 = Add<PushButton>("PushButton6", 260, 190, 80, 20);
    PushButton6->SetParent(*PagePanel1, 3);
    PushButton6->OnAction = [this] { PushButton6_Action(); };

    GroupBox1 = Add<GroupBox>("GroupBox1", 80, 290, 440, 100);
    GroupBox1->SetParent(*PagePanel1, 0);

    StaticText24 = Add<StaticText>("StaticText24", 100, 306, 400, 34);
    StaticText24->SetParent(*GroupBox1);
    MultiLine(*StaticText24);

    PushButton1 = Add<PushButton>("PushButton1", 260, 350, 80, 20);
    PushButton1->SetParent(*PagePanel1, 0);
    PushButton1->OnAction = [this] { PushButton1_Action(); };

    GroupBox2 = Add<GroupBox>("GroupBox2", 80, 220, 440, 180);
    GroupBox2->SetParent(*PagePanel1, 1);

    PushButton3 = Add<PushButton>("PushButton3", 150, 360, 120, 20);
    PushButton3->SetParent(*GroupBox2);
    PushButton3->OnAction = [this] { PushButton3_Action(); };

    PushButton4 = Add<PushButton>("PushButton4", 310, 360, 120, 20);
    PushButton4->SetParent(*GroupBox2);
    PushButton4->OnAction = [this] { PushButton4_Action(); };

    StaticText18 = Add<StaticText>("StaticText18", 100, 265, 400, 85);
    StaticText18->SetParent(*PagePanel1, 1);
    MultiLine(*StaticText18);

    StaticText16 = Add<StaticText>("StaticText16", 90, 240, 110, 20);
    StaticText16->SetParent(*PagePanel1, 1);
    Plain(*StaticText16);
    StaticText16->SetBold(true);

    // The progress bars and status lines say nothing of what they follow
    // but to the eye: screen readers are given their names.
    ProgressBar1 = Add<ProgressBar>("ProgressBar1", 200, 220, 200, 20);
    ProgressBar1->SetParent(*PagePanel1, 2);
    ProgressBar1->SetMaximum(100);
    ProgressBar1->SetValue(0);
    ProgressBar1->SetAccessibleName("コピーの進行状況");

    ProgressBar2 = Add<ProgressBar>("ProgressBar2", 200, 150, 200, 20);
    ProgressBar2->SetParent(*PagePanel1, 3);
    ProgressBar2->SetMaximum(100);
    ProgressBar2->SetValue(0);
    ProgressBar2->SetAccessibleName("ペーストの進行状況");

    StaticText21 = Add<StaticText>("StaticText21", 50, 200, 500, 20);
    StaticText21->SetParent(*PagePanel1, 2);
    CentredLine(*StaticText21);
    StaticText21->SetAccessibleName("コピーの状況");

    StaticText25 = Add<StaticText>("StaticText25", 50, 130, 500, 20);
    StaticText25->SetParent(*PagePanel1, 3);
    CentredLine(*StaticText25);
    StaticText25->SetAccessibleName("ペーストの状況");

    RadioButton1 = Add<RadioButton>("RadioButton1", 50, 100, 150, 20);
    RadioButton1->SetParent(*PagePanel1, 0);
    RadioButton1->SetBold(true);
    RadioButton1->OnAction = [this] { RadioButton1_Action(); };

    RadioButton2 = Add<RadioButton>("RadioButton2", 50, 190, 150, 20);
    RadioButton2->SetParent(*PagePanel1, 0);
    RadioButton2->SetBold(true);
    RadioButton2->OnAction = [this] { RadioButton2_Action(); };

    StaticText26 = Add<StaticText>("StaticText26", 70, 220, 400, 50);
    StaticText26->SetParent(*PagePanel1, 0);
    MultiLine(*StaticText26);

    GroupBox3 = Add<GroupBox>("GroupBox3", 80, 305, 440, 85);
    GroupBox3->SetParent(*PagePanel1, 2);

    RadioButton3 = Add<RadioButton>("RadioButton3", 100, 320, 330, 20);
    RadioButton3->SetParent(*GroupBox3);

    RadioButton4 = Add<RadioButton>("RadioButton4", 100, 350, 330, 20);
    RadioButton4->SetParent(*GroupBox3);

    GroupBox4 = Add<GroupBox>("GroupBox4", 80, 305, 440, 85);
    GroupBox4->SetParent(*PagePanel1, 3);

    RadioButton5 = Add<RadioButton>("RadioButton5", 100, 320, 330, 20);
    RadioButton5->SetParent(*GroupBox4);

    RadioButton6 = Add<RadioButton>("RadioButton6", 100, 350, 330, 20);
    RadioButton6->SetParent(*GroupBox4);

    PushButton8 = Add<PushButton>("PushButton8", 260, 190, 80, 20);
    PushButton8->SetParent(*PagePanel1, 1);
    PushButton8->OnAction = [this] { PushButton8_Action(); };

    StaticText1 = Add<StaticText>("StaticText1", 0, 10, 150, 40);
    StepLabel(*StaticText1);
    StaticText2 = Add<StaticText>("StaticText2", 150, 10, 150, 40);
    StepLabel(*StaticText2);
    StaticText3 = Add<StaticText>("StaticText3", 300, 10, 150, 40);
    StepLabel(*StaticText3);
    StaticText4 = Add<StaticText>("StaticText4", 450, 10, 150, 40);
    StepLabel(*StaticText4);

    Separator1 = Add<Separator>("Separator1", -1, 50, 602, 4);

    PushButton2 = Add<PushButton>("PushButton2", 480, 440, 80, 20);
    PushButton2->OnAction = [this] { PushButton2_Action(); };

    StaticText10 = Add<StaticText>("StaticText10", 30, 422, 430, 44);
    MultiLine(*StaticText10);

    Separator2 = Add<Separator>("Separator2", -1, 410, 602, 4);

    PushButton7 = Add<PushButton>("PushButton7", 390, 440, 80, 20);
    PushButton7->OnAction = [this] { PushButton7_Action(); };
}

std::shared_ptr<MenuItem> Window1::MenuItemNamed(const char* name) const {
    if (!CurrentMenuBar())
        throw NilObjectException();
    return CurrentMenuBar()->FindItem(name);
}

std::shared_ptr<MenuItem> Window1::EditMenu() const {
    return MenuItemNamed("EditMenu");
}
std::shared_ptr<MenuItem> Window1::AppleAbout() const {
    return MenuItemNamed("AppleAbout");
}
std::shared_ptr<MenuItem> Window1::EditSelectAll() const {
    return MenuItemNamed("EditSelectAll");
}
std::shared_ptr<MenuItem> Window1::UntitledMenu0() const {
    return MenuItemNamed("UntitledMenu0");
}
std::shared_ptr<MenuItem> Window1::EditClear() const {
    return MenuItemNamed("EditClear");
}
std::shared_ptr<MenuItem> Window1::EditPaste() const {
    return MenuItemNamed("EditPaste");
}
std::shared_ptr<MenuItem> Window1::EditCopy() const {
    return MenuItemNamed("EditCopy");
}
std::shared_ptr<MenuItem> Window1::EditCut() const {
    return MenuItemNamed("EditCut");
}
std::shared_ptr<MenuItem> Window1::UntitledMenu1() const {
    return MenuItemNamed("UntitledMenu1");
}
std::shared_ptr<MenuItem> Window1::EditUndo() const {
    return MenuItemNamed("EditUndo");
}
std::shared_ptr<MenuItem> Window1::FileMenu() const {
    return MenuItemNamed("FileMenu");
}
std::shared_ptr<MenuItem> Window1::FileQuit() const {
    return MenuItemNamed("FileQuit");
}

// The wizard answers no menu item itself.
void Window1::AddMenuHandlers() {}

void Window1::Event_Open() {
    InitApp();
}

void Window1::InitApp() {
    InitCaption();
    SetStatus(PagePanel1->Value());
    ProgressBar1->SetVisible(false);
    ProgressBar2->SetVisible(false);
    PushButton7->SetVisible(false);
    StaticText10->SetEnabled(false);
    PushButton2->SetEnabled(false);
    if (ExistsCopyDone()) {
        pPastePhase = kPasteSide;
        PagePanel1->SetValue(3);
    }
}

void Window1::InitCaption() {
    SetTitle("DRAVO 移行アシスタント");

    PushButton1->SetCaption("終了");
    PushButton2->SetCaption("次へ");
    PushButton3->SetCaption("フォルダを取得...");
    PushButton4->SetCaption("ファイルを取得...");
    PushButton5->SetCaption("コピー");
    PushButton6->SetCaption("ペースト");
    PushButton7->SetCaption("戻る");
    PushButton8->SetCaption("中止");
    pScanStops = true;

    RadioButton1->SetCaption("外部デバイス経由");
    RadioButton2->SetCaption("ネットワーク経由");
    RadioButton3->SetCaption("既に同名のアイテムがあった場合、置き換える");
    RadioButton4->SetCaption("同名のアイテムを置き換えない");
    RadioButton5->SetCaption("既に同名のアイテムがあった場合、置き換える");
    RadioButton6->SetCaption("同名のアイテムを置き換えない");

    StaticText1->SetText(JoinLines({"STEP 1", "はじめに"}));
    StaticText2->SetText(JoinLines({"STEP 2", "アイテムの取得"}));
    StaticText3->SetText(JoinLines({"STEP 3", "コピー"}));
    StaticText4->SetText(JoinLines({"STEP 4", "ペースト"}));

    StaticText5->SetText(
        "まず始めに、方式を指定し、本ソフトウェアのインストール場所を確認します。");
    StaticText8->SetText(JoinLines({
        "USBメモリ等の外部デバイスを利用してコピーします。",
        "この場合、本ソフトウェアは、外部デバイスにインストールします。",
        "STEP1〜3は旧マシン、STEP4は新マシンで実行します。",
    }));
    StaticText10->SetText("方式を指定して場所を確認したら、「次へ」ボタンを押して下さい。");
    StaticText11->SetText("アプリケーションとその関連ファイルを取得します。");
    StaticText12->SetText("必要なアイテムを、外部デバイスにコピーします。");
    StaticText14->SetText("外部デバイスのアイテムを新規マシンにペーストします。");
    StaticText16->SetText("手動で取得：");
    StaticText17->SetText(JoinLines({
        "起動ディスクの「アプリケーション」フォルダ内を自動的にサーチして、"
        "DRAVO Software製のソフトウェアを全て取得します。",
        "その際、各アプリケーションに書類フォルダが設定されている場合は、それらも取得します。",
        "結果は、右のリストに表示されています。",
    }));
    StaticText18->SetText(JoinLines({
        "自動的に取得されないアイテムは、手動で取得します。",
        "以下のボタンを押して表示される、フォルダまたはファイル選択ダイアログで、"
        "必要なアイテムを指定して下さい。",
        "（手動で取得したアイテムは、アプリはアプリケーションフォルダ、"
        "書類は書類フォルダにペーストされます。）",
    }));
    StaticText20->SetText(JoinLines({
        "もし、不要なアイテムがあれば、右のリストの項目のチェックを外してください。",
        "チェックのないものはコピーされません。",
        "",
        "アイテム（三角マーク付）のチェックを変化させると、サブアイテム全てが連動します。",
    }));
    StaticText24->SetText("それぞれ指定された場所にインストールされていない場合は、"
                          "「終了」ボタンを押して一度終了し、インストール後、起動して下さい。");
    StaticText26->SetText(JoinLines({
        "ネットワークに接続されている旧マシンからコピーします。",
        "この場合、本ソフトウェアは、新マシンにインストールします。",
        "全てのSTEPを新マシンで実行します。",
    }));
}

// The current step is told by its colour, and to screen readers in words.
void Window1::SetStatus(std::int32_t page) {
    if (page < 0 || page > 3)
        return;
    StaticText* const labels[] = {StaticText1, StaticText2, StaticText3, StaticText4};
    for (std::int32_t step = 0; step < 4; ++step) {
        labels[step]->SetTextColor(step == page ? RGB(0, 0, 255) : RGB(128, 128, 128));
        labels[step]->SetAccessibleDescription(step == page ? "現在のステップ" : "");
    }
}

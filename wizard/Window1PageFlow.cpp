// The wizard's step entries and the buttons that move between steps.

#include "gather/Window2.h"
#include "platform/gui/Application.h"
#include "wizard/Window1.h"
#include "wizard/Window3.h"

void Window1::PagePanel1_Change() {
    PageChange(PagePanel1->Value());
}

void Window1::PageChange(std::int32_t page) {
    switch (page) {
    case 1:
        if (pBack) {
            StaticText10->SetEnabled(true);
            StaticText10->SetText("取得が完了したら、「次へ」ボタンを押して下さい。");
            PushButton2->SetEnabled(true);
            PushButton2->SetCaption("次へ");
            pBack = false;
        } else {
            PushButton2->SetEnabled(false);
            PushButton3->SetEnabled(false);
            PushButton4->SetEnabled(false);
            StaticText10->SetText("");
            auto itemList = Window2::Instance();
            itemList->pWin1 = std::static_pointer_cast<Window1>(shared_from_this());
            itemList->Show();
            itemList->Listbox1->SetColumnWidths("70%,0,0,*");
            GetItem();
        }
        break;
    case 2:
        StaticText10->SetEnabled(true);
        StaticText10->SetText(
            String("不足のアイテムがあれば、前のステップに戻って追加して下さい。") + EndOfLine() +
            "コピーが完了するまで、次のステップへは進めません。");
        StaticText21->SetText("");
        PushButton2->SetEnabled(false);
        PushButton7->SetVisible(true);
        if (RadioButton1->Value()) {
            GroupBox3->SetVisible(false);
            RadioButton3->SetVisible(false);
            RadioButton4->SetVisible(false);
        } else {
            StaticText10->SetEnabled(true);
            StaticText12->SetText("必要なアイテムを、ネットワーク経由でコピーします。");
            StaticText10->SetText("不足のアイテムがあれば、前のステップに戻って追加して下さい。");
            PushButton2->SetCaption("終了");
        }
        break;
    case 3:
        if (RouteEndsBeforeStep4()) {
            Quit();
        } else {
            StaticText10->SetEnabled(false);
            StaticText10->SetText("ペーストが完了するまで、次のステップへは進めません。");
            StaticText25->SetText("");
            PushButton2->SetEnabled(false);
        }
        break;
    default:
        break;
    }
    SetStatus(page);
}

void Window1::PushButton1_Action() {
    Quit();
}

// Only the paste side works on STEP 4: the network route and the old
// machine's copy end on STEP 3.
bool Window1::RouteEndsBeforeStep4() const {
    return RadioButton2->Value() || pPastePhase == kCopySide || pPastePhase == kPasteFinished;
}

// A route that ends on STEP 3 quits from there, so that a refused quit
// leaves STEP 3 as it was. The panel has no page after STEP 4: Next there
// runs the STEP 4 entry again.
void Window1::PushButton2_Action() {
    const std::int32_t next = PagePanel1->Value() + 1;
    if (next == 3 && RouteEndsBeforeStep4())
        Quit();
    else if (next < PagePanel1->PageCount())
        PagePanel1->SetValue(next);
    else
        PageChange(PagePanel1->Value());
}

void Window1::PushButton7_Action() {
    pBack = true;
    PagePanel1->SetValue(1);
    PushButton7->SetVisible(false);
}

void Window1::RadioButton1_Action() {
    if (RadioButton1->Value()) {
        StaticText4->SetVisible(true);
        StaticText10->SetEnabled(true);
        PushButton2->SetEnabled(true);
    } else {
        StaticText10->SetEnabled(false);
        PushButton2->SetEnabled(false);
    }
}

void Window1::RadioButton2_Action() {
    if (RadioButton2->Value()) {
        auto picker = Window3::Instance();
        picker->ShowModal();
        pVolNo = picker->pVolNo;
        pUser = picker->pUser;
        picker->Close();
        if (pVolNo < 0) {
            RadioButton2->SetValue(false);
            return;
        }
        StaticText4->SetVisible(false);
        StaticText10->SetEnabled(true);
        PushButton2->SetEnabled(true);
    } else {
        StaticText10->SetEnabled(false);
        PushButton2->SetEnabled(false);
    }
}

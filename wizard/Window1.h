#pragma once
// The wizard window: four steps on one page panel, the step labels, the
// instruction line and Back / Next around it. The worker threads and the item
// list window reach it through the pWin1 that the wizard hands them, and read
// and write its controls and public properties directly. All of it runs on
// the event loop or on cooperative threads, so nothing here takes a lock.

#include <cstdint>
#include <memory>
#include <vector>

#include "common/TransferItem.h"
#include "platform/files/FolderItem.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PagePanel.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Separator.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/Window.h"
#include "platform/text/String.h"

class Window1 : public Window {
public:
    // The one wizard window, made on first use.
    static std::shared_ptr<Window1> Instance() { return SingleInstance<Window1>(); }

    // Controls, in creation order. Geometry is in window coordinates.
    PagePanel* PagePanel1 = nullptr;
    StaticText* StaticText5 = nullptr;  // STEP 1 heading
    StaticText* StaticText8 = nullptr;  // device method explanation
    StaticText* StaticText11 = nullptr; // STEP 2 heading
    StaticText* StaticText12 = nullptr; // STEP 3 heading
    StaticText* StaticText14 = nullptr; // STEP 4 heading
    StaticText* StaticText17 = nullptr; // gathering explanation
    StaticText* StaticText20 = nullptr; // copy explanation
    PushButton* PushButton5 = nullptr;  // Copy / stop
    PushButton* PushButton6 = nullptr;  // Paste / stop
    GroupBox* GroupBox1 = nullptr;
    StaticText* StaticText24 = nullptr; // install-location note
    PushButton* PushButton1 = nullptr;  // Quit on STEP 1
    GroupBox* GroupBox2 = nullptr;
    PushButton* PushButton3 = nullptr;   // add a folder by hand
    PushButton* PushButton4 = nullptr;   // add a file by hand
    StaticText* StaticText18 = nullptr;  // manual-add explanation
    StaticText* StaticText16 = nullptr;  // manual-add label
    ProgressBar* ProgressBar1 = nullptr; // copy progress
    ProgressBar* ProgressBar2 = nullptr; // paste progress
    StaticText* StaticText21 = nullptr;  // status line of STEP 3
    StaticText* StaticText25 = nullptr;  // status line of STEP 4
    RadioButton* RadioButton1 = nullptr; // method: external device
    RadioButton* RadioButton2 = nullptr; // method: network
    StaticText* StaticText26 = nullptr;  // network method explanation
    GroupBox* GroupBox3 = nullptr;
    RadioButton* RadioButton3 = nullptr; // STEP 3: replace existing items
    RadioButton* RadioButton4 = nullptr; // STEP 3: keep existing items
    GroupBox* GroupBox4 = nullptr;
    RadioButton* RadioButton5 = nullptr; // STEP 4: replace existing items
    RadioButton* RadioButton6 = nullptr; // STEP 4: keep existing items
    PushButton* PushButton8 = nullptr;   // stop the scan / scan again
    StaticText* StaticText1 = nullptr;   // step labels
    StaticText* StaticText2 = nullptr;
    StaticText* StaticText3 = nullptr;
    StaticText* StaticText4 = nullptr;
    Separator* Separator1 = nullptr;
    PushButton* PushButton2 = nullptr;  // Next
    StaticText* StaticText10 = nullptr; // instruction line
    Separator* Separator2 = nullptr;
    PushButton* PushButton7 = nullptr; // Back

    // Where this machine stands: the copy side, the paste side (the marker
    // was found at start-up), or the paste finished.
    enum PastePhase : std::int32_t { kCopySide = 0, kPasteSide = 1, kPasteFinished = 2 };
    PastePhase pPastePhase = kCopySide;
    // The item record store: only appended to, through AddFIlist.
    std::vector<TransferItem> pFI;
    // Stop request for the transfer thread.
    bool pStopThread1 = false;
    // Stop request for the gathering thread.
    bool pStopThread2 = false;
    // What a press of a start-or-stop button means, set with its caption:
    // True while it stops the run going on.
    bool pCopyStops = false;  // PushButton5: "中止", else "コピー"
    bool pPasteStops = false; // PushButton6: "中止", else "ペースト"
    bool pScanStops = false;  // PushButton8: "中止", else "再取得"
    // A transfer run is going: held by the run's RunningFlag, from PutForCopy /
    // PutForPaste until the run ends. The quit guard treats a running run
    // like a stopped one, so an unfinished transfer folder is never marked done.
    bool pRunningCP = false;
    // Written by the transfer thread at the end of each run: True when items
    // could not be transferred. The quit guard treats it like a stop.
    bool pIncompleteCP = false;

    void PagePanel1_Change();
    void PushButton5_Action();
    void PushButton6_Action();
    void PushButton1_Action();
    void PushButton3_Action();
    void PushButton4_Action();
    void RadioButton1_Action();
    void RadioButton2_Action();
    void PushButton8_Action();
    void PushButton2_Action();
    void PushButton7_Action();

    std::shared_ptr<MenuItem> EditMenu() const;
    std::shared_ptr<MenuItem> AppleAbout() const;
    std::shared_ptr<MenuItem> EditSelectAll() const;
    std::shared_ptr<MenuItem> UntitledMenu0() const;
    std::shared_ptr<MenuItem> EditClear() const;
    std::shared_ptr<MenuItem> EditPaste() const;
    std::shared_ptr<MenuItem> EditCopy() const;
    std::shared_ptr<MenuItem> EditCut() const;
    std::shared_ptr<MenuItem> UntitledMenu1() const;
    std::shared_ptr<MenuItem> EditUndo() const;
    std::shared_ptr<MenuItem> FileMenu() const;
    std::shared_ptr<MenuItem> FileQuit() const;

    void InitApp();
    bool ExistsCopyDone();
    void CreateCopyDone();
    void DeleteCopyDone();
    void GetItem();
    void SetStatus(std::int32_t page);
    void PageChange(std::int32_t page);
    void PutForCopy();
    void PutForPaste();
    std::int32_t AddFIlist(const FolderItem& item, const String& kind);
    // The quit guard: True keeps the program running.
    bool CloseApp();
    void GetItemSelect(const FolderItem& f);
    void InitCaption();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Event_Open() override;
    bool Event_CancelClose(bool appQuitting) override;

private:
    friend struct Window1TestAccess; // tests set the run state directly

    void _CreateControls0();
    bool RouteEndsBeforeStep4() const;
    std::shared_ptr<MenuItem> MenuItemNamed(const char* name) const;

    bool pStartCP = false;   // a copy or paste run has been started; never cleared
    bool pBack = false;      // Back was pressed; consumed by the STEP 2 entry
    std::int32_t pVolNo = 0; // the picker's volume; negative when it was cancelled
    String pUser;            // the picker's user folder name
};

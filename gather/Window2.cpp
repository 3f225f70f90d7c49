#include "gather/Window2.h"

#include <cstdint>

#include "common/ItemKinds.h"
#include "platform/gui/Color.h"
#include "platform/threads/Cooperative.h"
#include "wizard/Window1.h"

namespace {

// The frame code of this window's layout record: a second document window.
constexpr int kItemListFrame = 10;

} // namespace

void Window2::Layout() {
    SetContentSize(360, 446);
    SetFrame(kItemListFrame);
    SetTitle("Untitled");
    SetAccessibleName("取得したアイテムの一覧");
    SetResizable(false);
    SetCloseBox(true);
    SetMinimizeBox(true);
    SetMaximizeBox(false);
    SetVisible(true);
}

void Window2::CreateControls() {
    _CreateControls0();
}

// The list's other settings (one selected row, vertical scroll bar shown when
// needed, user-resizable columns, no grid lines, no dragging) are its defaults.
void Window2::_CreateControls0() {
    Listbox1 = Add<Listbox>("Listbox1", 10, 25, 346, 395);
    Listbox1->SetHierarchical(true);
    Listbox1->SetColumnCount(4);
    Listbox1->SetColumnWidths("70%,0,0,*");
    Listbox1->SetHasHeading(false);
    Listbox1->SetTextSize(12);
    Listbox1->SetAccessibleName("取得したアイテム");

    StaticText1 = Add<StaticText>("StaticText1", 35, 426, 321, 20);
    StaticText1->SetTextSize(11);
    StaticText1->SetMultiline(false);
    StaticText1->SetTextAlign(StaticText::Alignment::Left);

    StaticText2 = Add<StaticText>("StaticText2", 80, 8, 100, 20);
    StaticText2->SetUnderline(true);
    StaticText2->SetTextSize(12);

    ProgressWheel1 = Add<ProgressWheel>("ProgressWheel1", 12, 426, 16, 16);

    StaticText3 = Add<StaticText>("StaticText3", 270, 8, 50, 20);
    StaticText3->SetUnderline(true);
    StaticText3->SetTextSize(12);

    Listbox1->OnExpandRow = [this](int row) { Listbox1_ExpandRow(row); };
    Listbox1->OnCellAction = [this](int row, int column) { Listbox1_CellAction(row, column); };
    Listbox1->OnCellBackgroundPaint = [this](Graphics& g, int row, int column) {
        return Listbox1_CellBackgroundPaint(g, row, column);
    };
}

void Window2::Listbox1_ExpandRow(int row) {
    ExpRow(row);
}

int Window2::RowCount() const {
    return Listbox1->ListCount();
}

Window2::ItemRow Window2::Row(int row) const {
    return ItemRow{Listbox1->CellCheck(row, kNameColumn), Listbox1->Cell(row, kNameColumn),
                   Listbox1->Cell(row, kKindColumn), Listbox1->Cell(row, kIndexColumn)};
}

// A GroupRow's tick goes to every row below it up to the next GroupRow.
void Window2::Listbox1_CellAction(int row, int /*column*/) {
    if (Listbox1->Cell(row, kKindColumn) != "")
        return;
    for (int i = row + 1; i < Listbox1->ListCount(); ++i) {
        if (Listbox1->Cell(i, kKindColumn) == "")
            return;
        Listbox1->SetCellCheck(i, kNameColumn, Listbox1->CellCheck(row, kNameColumn));
        coop::YieldToNextThread();
    }
}

bool Window2::Listbox1_CellBackgroundPaint(Graphics& g, int row, int /*column*/) {
    if (row == 2 * (row / 2)) {
        g.SetForeColor(RGB(237, 243, 254));
        g.FillRect(0, 0, Listbox1->Width(), Listbox1->Height());
    }
    return false;
}

void Window2::Event_Open() {
    StaticText1->SetText("取得中...（取得には数分かかる場合があります。）");
    StaticText2->SetText("アイテム名");
    StaticText3->SetText("種別");
    // The labels above the list stand for its heading row, which it has not.
    Listbox1->SetHeading(kNameColumn, StaticText2->Text());
    Listbox1->SetHeading(kLabelColumn, StaticText3->Text());
}

// Closing would lose the ticks that the transfer reads; quitting decides for itself.
bool Window2::Event_CancelClose(bool appQuitting) {
    const auto wizard = pWin1.lock();
    return !appQuitting && wizard != nullptr && !wizard->IsClosed();
}

// Makes the ItemRows of a GroupRow from its ItemIndexList, all ticked.
void Window2::ExpRow(int row) {
    // Without its wizard the list has no records to show. The wizard and this
    // window are held while the expansion yields.
    const auto wizard = pWin1.lock();
    if (wizard == nullptr)
        return;
    const auto self = shared_from_this();
    // Read once: the row's number may move while this yields, its list does not.
    const String indexList = Listbox1->Cell(row, kIndexColumn);
    const int n = CountFields(indexList, ":");
    for (int i = 1; i <= n - 1; ++i) {
        const auto idx = static_cast<std::int32_t>(Val(NthField(indexList, ":", i)));
        // Every index comes from the store; one it does not hold lists nothing.
        if (idx < 0 || idx >= static_cast<std::int32_t>(wizard->pFI.size()))
            continue;
        const TransferItem record = wizard->pFI[idx];
        Listbox1->AddRow(record.item.Name());
        const int last = Listbox1->LastIndex();
        Listbox1->SetCellType(last, kNameColumn, Listbox::TypeCheckbox);
        Listbox1->SetCellCheck(last, kNameColumn, true);
        Listbox1->SetCell(last, kKindColumn, record.kind);
        Listbox1->SetCell(last, kIndexColumn, Str(idx));
        if (const ItemKind* kind = FindItemKind(record.kind))
            Listbox1->SetCell(last, kLabelColumn, kind->label);
        coop::YieldToNextThread();
    }
}

#include "platform/gui/Listbox.h"

#include "platform/gui/ColumnWidths.h"
#include "platform/gui/HandlerGuard.h"
#include "platform/gui/LayoutFont.h"
#include "platform/gui/ListModel.h"
#include "platform/gui/ListView.h"
#include "platform/threads/Cooperative.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPersistentModelIndex>

#include <algorithm>

namespace {

// The cooperative thread running now (null on the event loop's own stack):
// an expand's handler runs on the thread that raised it.
const void* CurrentCaller() {
    return coop::CurrentThreadKey();
}

// True when `row` lies somewhere below `ancestor` (not when it is `ancestor`).
bool IsUnder(const ListRow* row, const ListRow* ancestor) {
    for (row = row ? row->parent : nullptr; row; row = row->parent)
        if (row == ancestor)
            return true;
    return false;
}

} // namespace

Listbox::Listbox(Window& window, std::string name)
    : Control(window, std::move(name)), view_(new ListView(ContentWidget())),
      model_(new ListModel) {
    model_->setParent(view_);
    view_->setModel(model_);
    view_->setHeaderHidden(true);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setUniformRowHeights(true);
    view_->header()->setStretchLastSection(false);
    Attach(view_);

    view_->paintCellBackground = [this](QPainter& painter, const QRect& cell,
                                        const QModelIndex& index) {
        return PaintCellBackground(painter, cell, index);
    };
    view_->onViewportResized = [this] { ApplyColumnWidths(); };

    // The view reports the user's actions from inside its own input handling;
    // the events are raised from the event loop once that has returned.
    model_->onUserCheck = [this](const QModelIndex& index) {
        const QPersistentModelIndex cell(index);
        QMetaObject::invokeMethod(
            SignalContext(), [this, cell] { UserChangedCheck(cell); }, Qt::QueuedConnection);
    };
    const auto toggled = [this](const QModelIndex& index) {
        const QPersistentModelIndex row(index);
        QMetaObject::invokeMethod(
            SignalContext(), [this, row] { UserToggledExpansion(row); }, Qt::QueuedConnection);
    };
    QObject::connect(view_, &QTreeView::expanded, SignalContext(), toggled);
    QObject::connect(view_, &QTreeView::collapsed, SignalContext(), toggled);
    QObject::connect(
        view_->selectionModel(), &QItemSelectionModel::selectionChanged, SignalContext(), [this] {
            QMetaObject::invokeMethod(
                SignalContext(), [this] { SelectionMayHaveChanged(); }, Qt::QueuedConnection);
        });
}

Listbox::~Listbox() {
    // Qt deletes the view later, after this control has gone.
    view_->paintCellBackground = nullptr;
    view_->onViewportResized = nullptr;
    model_->onUserCheck = nullptr;
}

void Listbox::DeleteAllRows() {
    for (ExpandScope* scope : expanding_)
        scope->row = nullptr;
    lastAdded_ = nullptr;
    model_->Clear();
    SelectionMayHaveChanged();
}

void Listbox::AddRow(const String& text) {
    Add(text, false);
}

void Listbox::AddFolder(const String& text) {
    Add(text, true);
}

void Listbox::Add(const String& text, bool folder) {
    ListRow* parent = nullptr;
    if (const ExpandScope* scope = ScopeOf(CurrentCaller())) {
        if (!scope->row) {
            lastAdded_ = nullptr;
            return;
        }
        parent = scope->row;
    }
    lastAdded_ = model_->Append(parent, text, folder);
}

int Listbox::LastIndex() const {
    return lastAdded_ ? lastAdded_->displayIndex : -1;
}

int Listbox::ListCount() const {
    return model_->DisplayCount();
}

int Listbox::ListIndex() const {
    const ListRow* row = SelectedRow();
    return row ? row->displayIndex : -1;
}

void Listbox::SetListIndex(int row) {
    QItemSelectionModel* selection = view_->selectionModel();
    if (row == -1) {
        selection->clear();
    } else if (const ListRow* target = model_->RowAt(row)) {
        const QModelIndex index = model_->IndexOf(target);
        selection->setCurrentIndex(index,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view_->scrollTo(index);
    }
    SelectionMayHaveChanged();
}

const ListCell* Listbox::CellAt(int row, int column) const {
    const ListRow* target = model_->RowAt(row);
    return target ? model_->Cell(target, column) : nullptr;
}

String Listbox::Cell(int row, int column) const {
    const ListCell* cell = CellAt(row, column);
    return cell ? cell->text : String();
}

void Listbox::SetCell(int row, int column, const String& text) {
    if (ListRow* target = model_->RowAt(row))
        model_->SetText(target, column, text);
}

bool Listbox::CellCheck(int row, int column) const {
    const ListCell* cell = CellAt(row, column);
    return cell && cell->checked;
}

void Listbox::SetCellCheck(int row, int column, bool checked) {
    if (ListRow* target = model_->RowAt(row))
        model_->SetChecked(target, column, checked);
}

int Listbox::CellType(int row, int column) const {
    const ListCell* cell = CellAt(row, column);
    return cell ? cell->type : 0;
}

void Listbox::SetCellType(int row, int column, int type) {
    if (ListRow* target = model_->RowAt(row))
        model_->SetType(target, column, type);
}

bool Listbox::Expanded(int row) const {
    const ListRow* target = model_->RowAt(row);
    return target && target->expanded;
}

void Listbox::SetExpanded(int row, bool expanded) {
    ListRow* target = model_->RowAt(row);
    if (!target || !target->folder || target->expanded == expanded)
        return;
    if (expanded)
        Expand(target);
    else
        Collapse(target);
}

void Listbox::Expand(ListRow* row) {
    row->expanded = true;
    view_->expand(model_->IndexOf(row));
    ExpandScope scope{row, CurrentCaller()};
    expanding_.push_back(&scope);
    if (OnExpandRow)
        Raise([handler = OnExpandRow, number = row->displayIndex] { handler(number); });
    expanding_.erase(std::find(expanding_.begin(), expanding_.end(), &scope));
}

void Listbox::Collapse(ListRow* row) {
    row->expanded = false;
    for (ExpandScope* scope : expanding_)
        if (scope->row == row || IsUnder(scope->row, row))
            scope->row = nullptr;
    if (IsUnder(lastAdded_, row))
        lastAdded_ = nullptr;
    // Qt would move the selection of a removed row to a neighbour; the
    // framework leaves no row selected instead.
    if (IsUnder(selected_, row) || IsUnder(model_->RowOf(view_->currentIndex()), row))
        view_->selectionModel()->clear();
    model_->RemoveChildren(row);
    view_->collapse(model_->IndexOf(row));
    SelectionMayHaveChanged();
}

Listbox::ExpandScope* Listbox::ScopeOf(const void* caller) const {
    const auto scope = std::find_if(expanding_.rbegin(), expanding_.rend(),
                                    [caller](const ExpandScope* s) { return s->caller == caller; });
    return scope == expanding_.rend() ? nullptr : *scope;
}

void Listbox::UserToggledExpansion(const QPersistentModelIndex& index) {
    if (!index.isValid())
        return;
    ListRow* row = model_->RowOf(index);
    const bool shown = view_->isExpanded(index);
    if (!row->folder || row->expanded == shown)
        return;
    if (shown)
        Expand(row);
    else
        Collapse(row);
}

void Listbox::UserChangedCheck(const QPersistentModelIndex& index) {
    if (!index.isValid() || !OnCellAction)
        return;
    Raise([handler = OnCellAction, row = model_->RowOf(index)->displayIndex,
           column = model_->ListColumnOf(index)] { handler(row, column); });
}

const ListRow* Listbox::SelectedRow() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model_->RowOf(rows.first());
}

void Listbox::SelectionMayHaveChanged() {
    const ListRow* now = SelectedRow();
    if (now == selected_)
        return;
    selected_ = now;
    if (OnChange)
        Raise(OnChange);
}

bool Listbox::PaintCellBackground(QPainter& painter, const QRect& cell, const QModelIndex& index) {
    if (!OnCellBackgroundPaint)
        return false;
    Graphics g(painter, cell);
    return GuardedAnswer<bool>(
        [&g, handler = OnCellBackgroundPaint, row = model_->RowOf(index)->displayIndex,
         column = model_->ListColumnOf(index)] { return handler(g, row, column); },
        false);
}

int Listbox::ColumnCount() const {
    return model_->ColumnCount();
}

void Listbox::SetColumnCount(int count) {
    model_->SetColumnCount(count);
    ShowStateAgain();
    ApplyColumnWidths();
    SelectionMayHaveChanged();
}

void Listbox::SetColumnWidths(const String& widths) {
    columnWidths_ = widths;
    ApplyColumnWidths();
}

String Listbox::Heading(int column) const {
    return model_->Heading(column);
}

void Listbox::SetHeading(int column, const String& heading) {
    model_->SetHeading(column, heading);
}

void Listbox::ApplyColumnWidths() {
    const std::string text = columnWidths_.ToUTF8();
    const std::vector<int> shown = ShownColumnsFor(text, ColumnCount());
    if (model_->SetShownColumns(shown))
        ShowStateAgain();
    const std::vector<int> widths =
        ColumnWidthsFor(text, ColumnCount(), view_->viewport()->width());
    for (int place = 0; place < static_cast<int>(shown.size()); ++place)
        view_->header()->resizeSection(place, widths[shown[place]]);
}

void Listbox::ShowStateAgain() {
    for (int i = 0; i < model_->DisplayCount(); ++i)
        if (const ListRow* row = model_->RowAt(i); row->expanded)
            view_->expand(model_->IndexOf(row));
    if (selected_)
        view_->selectionModel()->setCurrentIndex(model_->IndexOf(selected_),
                                                 QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
}

void Listbox::SetHierarchical(bool hierarchical) {
    hierarchical_ = hierarchical;
    view_->setRootIsDecorated(hierarchical);
    view_->setItemsExpandable(hierarchical);
}

void Listbox::SetHasHeading(bool hasHeading) {
    hasHeading_ = hasHeading;
    view_->setHeaderHidden(!hasHeading);
}

void Listbox::SetTextSize(double points) {
    textSize_ = points;
    view_->setFont(LayoutFont(points));
}

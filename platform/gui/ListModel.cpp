#include "platform/gui/ListModel.h"

#include "platform/gui/Listbox.h"
#include "platform/gui/QtText.h"

#include <algorithm>

namespace {

void Write(ListCell& cell, const String& text) {
    cell.text = text;
    cell.shown = ToQString(text);
}

std::vector<int> AllColumns(int count) {
    std::vector<int> columns(count);
    for (int column = 0; column < count; ++column)
        columns[column] = column;
    return columns;
}

// Qt's bridge to the desktop's screen readers does not pass on that a cell
// can be ticked, so an unticked one would be read as its name alone: the
// tick is said in words, in the language of the interface.
QString TickInWords(bool checked) {
    return checked ? QStringLiteral("チェックあり") : QStringLiteral("チェックなし");
}

} // namespace

ListRow* ListModel::RowAt(int displayIndex) const {
    if (displayIndex < 0 || displayIndex >= DisplayCount())
        return nullptr;
    return shown_[displayIndex];
}

ListRow* ListModel::RowOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<ListRow*>(index.internalPointer()) : nullptr;
}

QModelIndex ListModel::IndexOf(const ListRow* row) const {
    if (!row || row == &root_)
        return {};
    return createIndex(row->childIndex, 0, const_cast<ListRow*>(row));
}

QModelIndex ListModel::CellIndex(const ListRow* row, int column) const {
    const auto place = std::find(shownColumns_.begin(), shownColumns_.end(), column);
    if (!row || row == &root_ || place == shownColumns_.end())
        return {};
    return createIndex(row->childIndex, static_cast<int>(place - shownColumns_.begin()),
                       const_cast<ListRow*>(row));
}

int ListModel::ListColumnOf(const QModelIndex& index) const {
    const int place = index.column();
    return place >= 0 && place < ShownColumnCount() ? shownColumns_[place] : -1;
}

const ListCell* ListModel::CellOf(const QModelIndex& index) const {
    return index.isValid() ? Cell(RowOf(index), ListColumnOf(index)) : nullptr;
}

ListRow* ListModel::Append(ListRow* parent, const String& text, bool folder) {
    ListRow* owner = parent ? parent : &root_;
    const int position = EndOfSubtree(owner);
    const int childIndex = static_cast<int>(owner->children.size());

    beginInsertRows(IndexOf(owner), childIndex, childIndex);
    auto row = std::make_unique<ListRow>();
    row->folder = folder;
    row->parent = owner;
    row->childIndex = childIndex;
    row->cells.resize(1);
    Write(row->cells[0], text);
    ListRow* added = row.get();
    owner->children.push_back(std::move(row));
    shown_.insert(shown_.begin() + position, added);
    Renumber(position);
    endInsertRows();
    return added;
}

void ListModel::RemoveChildren(ListRow* row) {
    if (row->children.empty())
        return;
    const int first = row->displayIndex + 1;
    const int end = EndOfSubtree(row);

    beginRemoveRows(IndexOf(row), 0, static_cast<int>(row->children.size()) - 1);
    shown_.erase(shown_.begin() + first, shown_.begin() + end);
    row->children.clear();
    Renumber(first);
    endRemoveRows();
}

void ListModel::Clear() {
    beginResetModel();
    shown_.clear();
    root_.children.clear();
    endResetModel();
}

void ListModel::SetColumnCount(int count) {
    count = std::max(count, 1);
    if (count == columnCount_)
        return;
    beginResetModel();
    columnCount_ = count;
    shownColumns_ = AllColumns(count);
    headings_.resize(count);
    endResetModel();
}

bool ListModel::SetShownColumns(std::vector<int> columns) {
    std::erase_if(columns, [this](int column) { return column < 0 || column >= columnCount_; });
    if (columns == shownColumns_)
        return false;
    beginResetModel();
    shownColumns_ = std::move(columns);
    endResetModel();
    return true;
}

String ListModel::Heading(int column) const {
    return column >= 0 && column < static_cast<int>(headings_.size()) ? headings_[column]
                                                                      : String();
}

void ListModel::SetHeading(int column, const String& heading) {
    if (column < 0 || column >= columnCount_)
        return;
    headings_.resize(columnCount_);
    headings_[column] = heading;
    const auto place = std::find(shownColumns_.begin(), shownColumns_.end(), column);
    if (place != shownColumns_.end()) {
        const int section = static_cast<int>(place - shownColumns_.begin());
        emit headerDataChanged(Qt::Horizontal, section, section);
    }
}

const ListCell* ListModel::Cell(const ListRow* row, int column) const {
    if (column < 0 || column >= columnCount_ || column >= static_cast<int>(row->cells.size()))
        return nullptr;
    return &row->cells[column];
}

void ListModel::SetText(ListRow* row, int column, const String& text) {
    if (ListCell* cell = WritableCell(row, column)) {
        Write(*cell, text);
        CellChanged(row, column);
    }
}

void ListModel::SetChecked(ListRow* row, int column, bool checked) {
    ListCell* cell = WritableCell(row, column);
    if (cell && cell->checked != checked) {
        cell->checked = checked;
        CellChanged(row, column);
    }
}

void ListModel::SetType(ListRow* row, int column, int type) {
    ListCell* cell = WritableCell(row, column);
    if (cell && cell->type != type) {
        cell->type = type;
        CellChanged(row, column);
    }
}

ListCell* ListModel::WritableCell(ListRow* row, int column) {
    if (column < 0 || column >= columnCount_)
        return nullptr;
    if (column >= static_cast<int>(row->cells.size()))
        row->cells.resize(column + 1);
    return &row->cells[column];
}

void ListModel::CellChanged(const ListRow* row, int column) {
    const QModelIndex index = CellIndex(row, column);
    if (index.isValid())
        emit dataChanged(index, index);
}

int ListModel::EndOfSubtree(const ListRow* row) {
    while (!row->children.empty())
        row = row->children.back().get();
    return row->displayIndex + 1;
}

void ListModel::Renumber(int from) {
    for (int i = from; i < DisplayCount(); ++i)
        shown_[i]->displayIndex = i;
}

QModelIndex ListModel::index(int row, int column, const QModelIndex& parent) const {
    const ListRow* owner = parent.isValid() ? RowOf(parent) : &root_;
    if (parent.column() > 0 || row < 0 || row >= static_cast<int>(owner->children.size()) ||
        column < 0 || column >= ShownColumnCount())
        return {};
    return createIndex(row, column, owner->children[row].get());
}

QModelIndex ListModel::parent(const QModelIndex& child) const {
    const ListRow* row = RowOf(child);
    return row ? IndexOf(row->parent) : QModelIndex();
}

int ListModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    const ListRow* owner = parent.isValid() ? RowOf(parent) : &root_;
    return static_cast<int>(owner->children.size());
}

int ListModel::columnCount(const QModelIndex&) const {
    return ShownColumnCount();
}

bool ListModel::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid())
        return !root_.children.empty();
    const ListRow* row = RowOf(parent);
    return parent.column() == 0 && (row->folder || !row->children.empty());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    const ListCell* cell = CellOf(index);
    if (!cell)
        return {};
    if (role == Qt::DisplayRole)
        return cell->shown;
    if (cell->type != Listbox::TypeCheckbox)
        return {};
    if (role == Qt::CheckStateRole)
        return cell->checked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::AccessibleDescriptionRole)
        return TickInWords(cell->checked);
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ShownColumnCount())
        return {};
    return ToQString(Heading(shownColumns_[section]));
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid())
        return false;
    ListRow* row = RowOf(index);
    const ListCell* cell = CellOf(index);
    if (!cell || cell->type != Listbox::TypeCheckbox)
        return false;
    SetChecked(row, ListColumnOf(index), value.toInt() == Qt::Checked);
    if (onUserCheck)
        onUserCheck(index);
    return true;
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const ListRow* row = RowOf(index);
    if (!row->folder)
        flags |= Qt::ItemNeverHasChildren;
    const ListCell* cell = CellOf(index);
    if (cell && cell->type == Listbox::TypeCheckbox)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

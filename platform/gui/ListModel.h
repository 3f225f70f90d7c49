#pragma once
// The rows of a hierarchical list as a Qt item model, with the framework's
// numbering beside it: every row has its place in display order (the
// children of expanded rows included), kept in a flat table so that reading
// a row by number costs O(1). Inserting or removing rows renumbers only the
// rows below the change. Cell writes outside the columns are ignored.

#include "platform/gui/ListRow.h"

#include <QAbstractItemModel>

#include <functional>

class ListModel final : public QAbstractItemModel {
public:
    int DisplayCount() const { return static_cast<int>(shown_.size()); }
    ListRow* RowAt(int displayIndex) const; // nullptr when out of range
    ListRow* RowOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const ListRow* row, int column = 0) const;

    // Appends a row at the end of `parent`'s children (nullptr: at the top
    // level); the parent's children are shown, so the row is shown too.
    ListRow* Append(ListRow* parent, const String& text, bool folder);
    void RemoveChildren(ListRow* row);
    void Clear();

    int ColumnCount() const { return columnCount_; }
    // Resets the model: the view forgets which rows it shows expanded.
    void SetColumnCount(int count);

    // nullptr when the column is out of range or the cell was never written.
    const ListCell* Cell(const ListRow* row, int column) const;
    void SetText(ListRow* row, int column, const String& text);
    void SetChecked(ListRow* row, int column, bool checked);
    void SetType(ListRow* row, int column, int type);

    // The user changed a check box (the view wrote its check state).
    std::function<void(const QModelIndex&)> onUserCheck;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // nullptr when the column is out of range; the row's cells grow to it.
    ListCell* WritableCell(ListRow* row, int column);
    void CellChanged(const ListRow* row, int column);
    // Display position just past the row and everything shown under it.
    static int EndOfSubtree(const ListRow* row);
    void Renumber(int from);

    ListRow root_;                // holds the top-level rows; not shown itself
    std::vector<ListRow*> shown_; // every row, in display order
    int columnCount_ = 1;
};

#pragma once
// The rows of a hierarchical list as a Qt item model, with the framework's
// numbering beside it: every row has its place in display order (the
// children of expanded rows included), kept in a flat table so that reading
// a row by number costs O(1). Inserting or removing rows renumbers only the
// rows below the change. Cell writes outside the columns are ignored.
//
// The list's columns are the framework's; the model offers the view (and so
// the screen readers) only the shown ones, so that a hidden column's data is
// never read out. Columns of the model's indexes are the shown columns'
// places; the methods of the framework's side take the list's columns.

#include "platform/gui/ListRow.h"

#include <QAbstractItemModel>

#include <functional>

class ListModel final : public QAbstractItemModel {
public:
    int DisplayCount() const { return static_cast<int>(shown_.size()); }
    ListRow* RowAt(int displayIndex) const; // nullptr when out of range
    ListRow* RowOf(const QModelIndex& index) const;
    // The index of the row in the first shown column.
    QModelIndex IndexOf(const ListRow* row) const;
    // The list's column of an index.
    int ListColumnOf(const QModelIndex& index) const;

    // Appends a row at the end of `parent`'s children (nullptr: at the top
    // level); the parent's children are shown, so the row is shown too.
    ListRow* Append(ListRow* parent, const String& text, bool folder);
    void RemoveChildren(ListRow* row);
    void Clear();

    int ColumnCount() const { return columnCount_; }
    // Resets the model, every column shown: the view forgets which rows it
    // shows expanded.
    void SetColumnCount(int count);
    // The list's columns to show, in order. Resets the model (false when
    // they are shown already).
    bool SetShownColumns(std::vector<int> columns);
    int ShownColumnCount() const { return static_cast<int>(shownColumns_.size()); }
    // The heading that screen readers give the column; none by default.
    String Heading(int column) const;
    void SetHeading(int column, const String& heading);

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
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // nullptr when the column is out of range; the row's cells grow to it.
    ListCell* WritableCell(ListRow* row, int column);
    void CellChanged(const ListRow* row, int column);
    // Display position just past the row and everything shown under it.
    static int EndOfSubtree(const ListRow* row);
    void Renumber(int from);
    // The cell of an index, nullptr when it has none.
    const ListCell* CellOf(const QModelIndex& index) const;
    QModelIndex CellIndex(const ListRow* row, int column) const; // invalid when hidden

    ListRow root_;                // holds the top-level rows; not shown itself
    std::vector<ListRow*> shown_; // every row, in display order
    int columnCount_ = 1;
    std::vector<int> shownColumns_{0}; // the list's columns, by place in the view
    std::vector<String> headings_;     // by the list's column
};

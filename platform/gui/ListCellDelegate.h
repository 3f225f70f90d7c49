#pragma once
// Draws a list cell as usual, but leaves out the selection background of a
// cell whose background the list's owner has painted.

#include <QStyledItemDelegate>

class ListView;

class ListCellDelegate final : public QStyledItemDelegate {
public:
    explicit ListCellDelegate(ListView& view);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    ListView& view_;
};

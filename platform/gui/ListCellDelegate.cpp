#include "platform/gui/ListCellDelegate.h"

#include "platform/gui/ListView.h"

ListCellDelegate::ListCellDelegate(ListView& view) : QStyledItemDelegate(&view), view_(view) {}

void ListCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (view_.BackgroundPainted(index.column())) {
        option->backgroundBrush = Qt::NoBrush;
        option->state &= ~QStyle::State_Selected;
    }
}

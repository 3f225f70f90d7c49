#include "platform/gui/ListView.h"

#include "platform/gui/ListCellDelegate.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

namespace {

constexpr qint64 kRepaintIntervalMs = 50;

bool MovesBetweenRows(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

ListView::ListView(QWidget* parent) : QTreeView(parent) {
    setItemDelegate(new ListCellDelegate(*this));
}

bool ListView::BackgroundPainted(int column) const {
    return column >= 0 && column < static_cast<int>(backgroundPainted_.size()) &&
           backgroundPainted_[column];
}

void ListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const {
    const QHeaderView* columns = header();
    backgroundPainted_.assign(columns->count(), false);
    if (paintCellBackground) {
        for (int column = 0; column < columns->count(); ++column) {
            if (columns->isSectionHidden(column) || columns->sectionSize(column) <= 0)
                continue;
            const QRect cell(columns->sectionViewportPosition(column), option.rect.top(),
                             columns->sectionSize(column), option.rect.height());
            backgroundPainted_[column] =
                paintCellBackground(*painter, cell, index.siblingAtColumn(column));
        }
    }
    QTreeView::drawRow(painter, option, index);
    backgroundPainted_.clear();
}

void ListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles) {
    HoldRepaint();
    QTreeView::dataChanged(topLeft, bottomRight, roles);
}

void ListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    HoldRepaint();
    QTreeView::rowsInserted(parent, start, end);
}

void ListView::keyPressEvent(QKeyEvent* event) {
    QTreeView::keyPressEvent(event);
    const QModelIndex current = currentIndex();
    if (!MovesBetweenRows(event->key()) || !current.isValid() ||
        selectionMode() == QAbstractItemView::NoSelection || selectionModel()->isSelected(current))
        return;
    selectionModel()->select(current,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListView::HoldRepaint() {
    if (!updatesEnabled() || !sinceLastPaint_.isValid())
        return;
    const qint64 since = sinceLastPaint_.elapsed();
    if (since >= kRepaintIntervalMs)
        return;
    // Updates asked for meanwhile are dropped; enabling them again redraws the whole view.
    setUpdatesEnabled(false);
    QTimer::singleShot(kRepaintIntervalMs - since, this, [this] { setUpdatesEnabled(true); });
}

bool ListView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Paint)
        sinceLastPaint_.restart();
    const bool handled = QTreeView::viewportEvent(event);
    if (event->type() == QEvent::Resize && onViewportResized)
        onViewportResized();
    return handled;
}

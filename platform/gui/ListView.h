#pragma once
// The tree view under a Listbox. Before a row is drawn it offers each shown
// cell's background to the owner; a cell whose background the owner drew
// keeps it, without the view's own selection background on top.

#include <QTreeView>

#include <functional>
#include <vector>

class ListView final : public QTreeView {
public:
    explicit ListView(QWidget* parent);

    // True when the callee drew the cell's background itself.
    std::function<bool(QPainter& painter, const QRect& cell, const QModelIndex& index)>
        paintCellBackground;
    std::function<void()> onViewportResized;

    // For the cell delegate, while a row is being drawn.
    bool BackgroundPainted(int column) const;

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    bool viewportEvent(QEvent* event) override;

private:
    mutable std::vector<bool> backgroundPainted_; // of the row being drawn, by column
};

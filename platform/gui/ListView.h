#pragma once
// The tree view under a Listbox. Before a row is drawn it offers each shown
// cell's background to the owner; a cell whose background the owner drew
// keeps it, without the view's own selection background on top.
//
// While rows keep being added or changed (a scan filling the list), the view
// is drawn at most once per repaint interval: drawing every visible row on
// every turn of the event loop would cost more than the scan itself.
//
// The row that the keys move to is the selected row, also when it is the row
// that had the focus already (the only one, or the first one when the list
// took the focus): what looks chosen is chosen.

#include <QElapsedTimer>
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

    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void keyPressEvent(QKeyEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    bool viewportEvent(QEvent* event) override;

private:
    // Holds drawing back until the interval since the last drawing is over.
    void HoldRepaint();

    mutable std::vector<bool> backgroundPainted_; // of the row being drawn, by column
    QElapsedTimer sinceLastPaint_;
};

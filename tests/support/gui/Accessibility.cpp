#include "tests/support/gui/Accessibility.h"

#include "platform/gui/Control.h"
#include "platform/gui/Window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QWidget>

#include <map>

namespace {

std::string RoleName(QAccessible::Role role) {
    static const std::map<QAccessible::Role, std::string> names = {
        {QAccessible::Window, "window"},
        {QAccessible::Dialog, "dialog"},
        {QAccessible::Separator, "separator"},
        {QAccessible::StaticText, "label"},
        {QAccessible::Button, "push button"},
        {QAccessible::RadioButton, "radio button"},
        {QAccessible::ProgressBar, "progress bar"},
        {QAccessible::List, "list"},
        {QAccessible::Tree, "tree"},
        {QAccessible::Cell, "cell"},
        {QAccessible::TreeItem, "cell"},
        {QAccessible::ColumnHeader, "column header"},
    };
    const auto found = names.find(role);
    return found != names.end() ? found->second : std::to_string(static_cast<int>(role));
}

AccessibleFacts FactsOf(QAccessibleInterface* seen) {
    AccessibleFacts facts;
    if (!seen)
        return facts;
    facts.name = seen->text(QAccessible::Name).toStdString();
    facts.description = seen->text(QAccessible::Description).toStdString();
    facts.role = RoleName(seen->role());
    const QAccessible::State state = seen->state();
    facts.checkable = state.checkable;
    facts.checked = state.checked;
    facts.selected = state.selected;
    facts.focused = state.focused;
    return facts;
}

// The list as laid out, as the screen reader finds it once the program is idle.
QAccessibleTableInterface* TableOf(const Control& list) {
    if (auto* view = qobject_cast<QAbstractItemView*>(list.Widget()))
        view->doItemsLayout();
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(list.Widget());
    return seen ? seen->tableInterface() : nullptr;
}

} // namespace

AccessibleFacts AccessibleOf(const Window& window) {
    return FactsOf(QAccessible::queryAccessibleInterface(window.FrameWidget()));
}

AccessibleFacts AccessibleOf(const Control& control) {
    return FactsOf(QAccessible::queryAccessibleInterface(control.Widget()));
}

std::vector<std::string> AccessibleHeadings(const Control& list) {
    std::vector<std::string> headings;
    if (QAccessibleTableInterface* table = TableOf(list))
        for (int column = 0; column < table->columnCount(); ++column)
            headings.push_back(table->columnDescription(column).toStdString());
    return headings;
}

std::vector<std::vector<AccessibleFacts>> AccessibleCells(const Control& list) {
    std::vector<std::vector<AccessibleFacts>> rows;
    if (QAccessibleTableInterface* table = TableOf(list))
        for (int row = 0; row < table->rowCount(); ++row) {
            std::vector<AccessibleFacts> cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells.push_back(FactsOf(table->cellAt(row, column)));
            rows.push_back(cells);
        }
    return rows;
}

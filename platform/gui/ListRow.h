#pragma once
// One row of a hierarchical list. The list keeps children only while their
// row is expanded, so every row in the tree is shown; children are only ever
// appended or removed all at once, which keeps each row's childIndex fixed.

#include "platform/text/String.h"

#include <QString>

#include <memory>
#include <vector>

struct ListCell {
    String text;
    QString shown; // the text decoded once, for drawing
    bool checked = false;
    int type = 0; // the framework's cell type (Listbox::TypeCheckbox shows a check box)
};

struct ListRow {
    std::vector<ListCell> cells; // grows when a cell is first written
    bool folder = false;
    bool expanded = false;
    ListRow* parent = nullptr;
    int childIndex = 0;    // position among the parent's children
    int displayIndex = -1; // position in display order, children of expanded rows included
    std::vector<std::unique_ptr<ListRow>> children;
};

#pragma once
// What a screen reader is told about windows and controls: read through the
// accessibility interface that Qt offers to the desktop's screen readers.

#include <string>
#include <vector>

class Control;
class Window;

struct AccessibleFacts {
    std::string name;
    std::string description;
    // "window", "dialog", "separator", "label", "push button", "radio button",
    // "progress bar", "list", "tree", "cell", "column header"; else the
    // role's number.
    std::string role;
    bool checkable = false;
    bool checked = false;
    bool selected = false;
    bool focused = false;
};

AccessibleFacts AccessibleOf(const Window& window);
AccessibleFacts AccessibleOf(const Control& control);

// A list's column headings and its cells, row by row, as a screen reader
// reads them through the list's table interface.
std::vector<std::string> AccessibleHeadings(const Control& list);
std::vector<std::vector<AccessibleFacts>> AccessibleCells(const Control& list);

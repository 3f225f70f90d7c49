#pragma once
// A list's column widths as the framework writes them: a comma-separated
// entry per column, "N%" for a share of the list's width, "N" for pixels,
// "*" for an equal share of what the others leave. A column without an entry
// (or with one that is not a number) is a "*" column too. A column written
// as 0 (or 0%) is hidden: it holds data that is never shown.

#include <string_view>
#include <vector>

std::vector<int> ColumnWidthsFor(std::string_view text, int columnCount, int listWidth);

// The columns that are not hidden, in order.
std::vector<int> ShownColumnsFor(std::string_view text, int columnCount);

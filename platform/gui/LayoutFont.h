#pragma once
// Fonts of the layouts. Their sizes are screen points of 1/72 inch, one
// pixel each at the 72 dpi the layouts were drawn for, so a size maps to a
// pixel size: texts then fit the boxes drawn for them on any screen.

#include <QFont>

inline constexpr double kSystemTextSize = 12;

// The system font at the given size (0: the system size).
QFont LayoutFont(double points, bool bold = false, bool italic = false, bool underline = false);

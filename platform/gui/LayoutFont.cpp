#include "platform/gui/LayoutFont.h"

#include <QApplication>

#include <cmath>

QFont LayoutFont(double points, bool bold, bool italic, bool underline) {
    QFont font = QApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(points > 0 ? points : kSystemTextSize)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

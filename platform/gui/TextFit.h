#pragma once
// How a label's text is drawn in its box. The layouts were drawn with the
// Mac's narrower Japanese fonts, so a text that would not fit its box in the
// layout's size is drawn smaller, down to three quarters of it:
//  - a text of several lines keeps its own line ends, and a line too long
//    for the box is broken as Japanese is (JapaneseLines); the size is the
//    largest at which the lines so made fit the box;
//  - a one-line text that is too wide even in the smallest size is
//    shortened in its middle, so that both ends (the start of a path and
//    what is said of it) stay.

#include <QFont>
#include <QSize>
#include <QString>

struct FittedText {
    QFont font;
    QString text; // the lines as drawn
};

FittedText FitLines(const QString& text, QFont font, QSize box);
FittedText FitLine(const QString& text, QFont font, int width);

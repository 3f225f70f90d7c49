#pragma once
// The lines of a text as Japanese is set in a given width. The text's own
// line ends are kept. A line too long for the width is broken at the last
// place that fits among the best ones that keep it at least a third full:
// after punctuation, else after a space; without such a place, at the last
// place that fits between two characters that the kinsoku rules let part
// (no closing bracket, punctuation, small kana or prolonged sound mark
// begins a line; no opening bracket ends one), as Unicode's line breaking
// rules hold them. A run without any place to break is cut where it fills
// the width.

#include <QString>
#include <QStringList>

class QFontMetrics;

QStringList JapaneseLines(const QString& text, const QFontMetrics& metrics, int width);

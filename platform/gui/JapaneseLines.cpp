#include "platform/gui/JapaneseLines.h"

#include <QFontMetrics>
#include <QTextBoundaryFinder>

namespace {

// How good a place to break a line after c is: after punctuation that ends
// a phrase, after a space (between words of Latin text), or merely allowed.
// A closing bracket ends no phrase: "「終了」ボタン" is one.
enum class BreakKind { Allowed, AfterSpace, AfterPunctuation };

BreakKind KindOfBreakAfter(QChar c) {
    static const QString punctuation = QStringLiteral("、。，．！？");
    if (punctuation.contains(c))
        return BreakKind::AfterPunctuation;
    return c.isSpace() ? BreakKind::AfterSpace : BreakKind::Allowed;
}

QString WithoutTrailingSpace(QString text) {
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

QString WithoutLeadingSpace(const QString& text) {
    qsizetype first = 0;
    while (first < text.size() && text[first].isSpace())
        ++first;
    return text.mid(first);
}

// Where the line is broken: the number of characters on its first line. The
// best kind of place that keeps the line at least a third full, the last one
// of that kind; else the last place allowed.
int BreakAt(const QString& line, const QFontMetrics& metrics, int width) {
    int best = 0;
    BreakKind bestKind = BreakKind::Allowed;
    int allowed = 0;
    // Unicode's line breaking rules, which hold the kinsoku ones.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, line);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < line.size();
         at = finder.toNextBoundary()) {
        const int advance = metrics.horizontalAdvance(WithoutTrailingSpace(line.left(at)));
        if (advance > width)
            break;
        allowed = static_cast<int>(at);
        const BreakKind kind = KindOfBreakAfter(line[at - 1]);
        if (kind != BreakKind::Allowed && 3 * advance >= width && kind >= bestKind) {
            best = allowed;
            bestKind = kind;
        }
    }
    if (best > 0)
        return best;
    if (allowed > 0)
        return allowed;
    int fits = 1;
    while (fits < line.size() && metrics.horizontalAdvance(line.left(fits + 1)) <= width)
        ++fits;
    return fits;
}

} // namespace

QStringList JapaneseLines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& written : text.split(QLatin1Char('\n'))) {
        QString rest = written;
        while (metrics.horizontalAdvance(rest) > width) {
            const int at = BreakAt(rest, metrics, width);
            lines << WithoutTrailingSpace(rest.left(at));
            rest = WithoutLeadingSpace(rest.mid(at));
        }
        lines << rest;
    }
    return lines;
}

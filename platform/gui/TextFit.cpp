#include "platform/gui/TextFit.h"

#include "platform/gui/JapaneseLines.h"

#include <QFontMetrics>

#include <cmath>
#include <vector>

namespace {

constexpr double kSmallestFit = 0.75;

// The pixel sizes to try, the layout's first.
std::vector<int> SizesFor(const QFont& font) {
    const int layout = font.pixelSize();
    const int smallest = static_cast<int>(std::ceil(layout * kSmallestFit));
    std::vector<int> sizes;
    for (int size = layout; size >= smallest && size > 0; --size)
        sizes.push_back(size);
    if (sizes.empty())
        sizes.push_back(layout);
    return sizes;
}

bool Fits(const QFontMetrics& metrics, const QString& lines, QSize box) {
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20),
                                              Qt::AlignLeft | Qt::AlignTop, lines);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

} // namespace

FittedText FitLines(const QString& text, QFont font, QSize box) {
    QString lines;
    for (int size : SizesFor(font)) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        lines = JapaneseLines(text, metrics, box.width()).join(QLatin1Char('\n'));
        if (Fits(metrics, lines, box))
            break;
    }
    return {font, lines};
}

FittedText FitLine(const QString& text, QFont font, int width) {
    const std::vector<int> sizes = SizesFor(font);
    for (int size : sizes) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            return {font, text};
    }
    return {font, QFontMetrics(font).elidedText(text, Qt::ElideMiddle, width)};
}

#include "platform/gui/StaticText.h"

#include "platform/gui/LayoutFont.h"
#include "platform/gui/QtText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

namespace {

// How far a text may shrink to fit its box: the layouts were drawn with the
// Mac's narrower Japanese fonts, and a line that wraps or is cut off there
// only because of a few pixels still reads well a little smaller.
constexpr double kSmallestFit = 0.8;

bool Fits(const QFont& font, const QString& text, int width, int height, bool wrapped) {
    const QFontMetrics metrics(font);
    if (!wrapped)
        return metrics.horizontalAdvance(text) <= width;
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, width, 1 << 20), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return needed.height() <= height;
}

} // namespace

StaticText::StaticText(Window& window, std::string name)
    : Control(window, std::move(name)), label_(new QLabel(ContentWidget())) {
    label_->setTextFormat(Qt::PlainText);
    Attach(label_);
    SetTextColor(color_);
    ApplyAlignment();
}

void StaticText::SetText(const String& text) {
    text_ = text;
    label_->setText(ToQString(text));
    ApplyFont();
    ApplyAccessibleTexts();
}

void StaticText::SetTextColor(Color color) {
    color_ = color;
    // Only the enabled states take the colour: disabled, the style's grey text shows.
    QPalette palette = label_->palette();
    const QColor shown(color.red, color.green, color.blue);
    palette.setColor(QPalette::Active, QPalette::WindowText, shown);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, shown);
    label_->setPalette(palette);
}

void StaticText::SetTextSize(double points) {
    textSize_ = points;
    ApplyFont();
}

void StaticText::SetBold(bool bold) {
    bold_ = bold;
    ApplyFont();
}

void StaticText::SetItalic(bool italic) {
    italic_ = italic;
    ApplyFont();
}

void StaticText::SetUnderline(bool underline) {
    underline_ = underline;
    ApplyFont();
}

void StaticText::SetMultiline(bool multiline) {
    multiline_ = multiline;
    label_->setWordWrap(multiline);
    ApplyFont();
}

void StaticText::SetTextAlign(Alignment align) {
    align_ = align;
    ApplyAlignment();
}

// The layout's font, made smaller step by step (within limits) when the text
// would not fit the control's box in it.
void StaticText::ApplyFont() {
    QFont font = LayoutFont(textSize_, bold_, italic_, underline_);
    const QString text = label_->text();
    const int layoutSize = font.pixelSize();
    if (!text.isEmpty() && Width() > 0 && Height() > 0 && layoutSize > 0) {
        const int smallest = static_cast<int>(layoutSize * kSmallestFit);
        for (int size = layoutSize; size > smallest; --size) {
            font.setPixelSize(size);
            if (Fits(font, text, Width(), Height(), multiline_))
                break;
        }
    }
    label_->setFont(font);
}

// A label with a name of its own reads its text as its description.
void StaticText::ApplyAccessibleTexts() {
    const QString text = ToQString(text_);
    if (!AccessibleName().IsEmpty()) {
        label_->setAccessibleName(ToQString(AccessibleName()));
        label_->setAccessibleDescription(text);
        return;
    }
    label_->setAccessibleName(QString());
    label_->setAccessibleDescription(ToQString(AccessibleDescription()));
}

void StaticText::ApplyAlignment() {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (align_ == Alignment::Center)
        horizontal = Qt::AlignHCenter;
    else if (align_ == Alignment::Right)
        horizontal = Qt::AlignRight;
    label_->setAlignment(horizontal | Qt::AlignTop);
}

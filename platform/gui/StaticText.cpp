#include "platform/gui/StaticText.h"

#include "platform/gui/LayoutFont.h"
#include "platform/gui/QtText.h"
#include "platform/gui/TextFit.h"

#include <QLabel>
#include <QPalette>

StaticText::StaticText(Window& window, std::string name)
    : Control(window, std::move(name)), label_(new QLabel(ContentWidget())) {
    label_->setTextFormat(Qt::PlainText);
    // The lines are broken here, as Japanese is, not by Qt.
    label_->setWordWrap(false);
    Attach(label_);
    SetTextColor(color_);
    ApplyAlignment();
}

void StaticText::SetText(const String& text) {
    text_ = text;
    ApplyText();
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
    ApplyText();
}

void StaticText::SetBold(bool bold) {
    bold_ = bold;
    ApplyText();
}

void StaticText::SetItalic(bool italic) {
    italic_ = italic;
    ApplyText();
}

void StaticText::SetUnderline(bool underline) {
    underline_ = underline;
    ApplyText();
}

void StaticText::SetMultiline(bool multiline) {
    multiline_ = multiline;
    ApplyText();
}

void StaticText::SetTextAlign(Alignment align) {
    align_ = align;
    ApplyAlignment();
}

// The layout's font and the lines as drawn (TextFit), then what screen
// readers are told.
void StaticText::ApplyText() {
    const QString text = ToQString(text_);
    FittedText fitted{LayoutFont(textSize_, bold_, italic_, underline_), text};
    if (!text.isEmpty() && Width() > 0 && Height() > 0 && fitted.font.pixelSize() > 0)
        fitted = multiline_ ? FitLines(text, fitted.font, QSize(Width(), Height()))
                            : FitLine(text, fitted.font, Width());
    label_->setFont(fitted.font);
    label_->setText(fitted.text);
    ApplyAccessibleTexts();
}

// The text is read out as written, however it is broken or shortened on
// screen; a label with a name of its own reads its text as its description.
void StaticText::ApplyAccessibleTexts() {
    const QString text = ToQString(text_);
    if (!AccessibleName().IsEmpty()) {
        label_->setAccessibleName(ToQString(AccessibleName()));
        label_->setAccessibleDescription(text);
        return;
    }
    label_->setAccessibleName(label_->text() == text ? QString() : text);
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

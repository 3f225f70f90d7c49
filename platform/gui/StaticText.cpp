#include "platform/gui/StaticText.h"

#include "platform/gui/LayoutFont.h"
#include "platform/gui/QtText.h"

#include <QLabel>
#include <QPalette>

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
}

void StaticText::SetTextAlign(Alignment align) {
    align_ = align;
    ApplyAlignment();
}

void StaticText::ApplyFont() {
    label_->setFont(LayoutFont(textSize_, bold_, italic_, underline_));
}

void StaticText::ApplyAlignment() {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (align_ == Alignment::Center)
        horizontal = Qt::AlignHCenter;
    else if (align_ == Alignment::Right)
        horizontal = Qt::AlignRight;
    label_->setAlignment(horizontal | Qt::AlignTop);
}

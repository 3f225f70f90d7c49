#pragma once
// A label. The text is shown decoded through its encoding label, made to
// fit its box as TextFit says: a multi-line label breaks its lines as
// Japanese is set, a one-line label too long for its box is shortened in its
// middle. A disabled label is drawn greyed, whatever its TextColor.

#include "platform/gui/Color.h"
#include "platform/gui/Control.h"
#include "platform/text/String.h"

class QLabel;

class StaticText : public Control {
public:
    enum class Alignment { Left, Center, Right };

    StaticText(Window& window, std::string name);

    const String& Text() const { return text_; }
    void SetText(const String& text);

    Color TextColor() const { return color_; }
    void SetTextColor(Color color);

    // Points of the layouts; 0 is the system size.
    double TextSize() const { return textSize_; }
    void SetTextSize(double points);
    bool Bold() const { return bold_; }
    void SetBold(bool bold);
    bool Italic() const { return italic_; }
    void SetItalic(bool italic);
    bool Underline() const { return underline_; }
    void SetUnderline(bool underline);

    bool Multiline() const { return multiline_; }
    void SetMultiline(bool multiline);
    Alignment TextAlign() const { return align_; }
    void SetTextAlign(Alignment align);

protected:
    void ApplyAccessibleTexts() override;

private:
    void ApplyText();
    void ApplyAlignment();

    QLabel* label_;
    String text_;
    Color color_;
    double textSize_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool multiline_ = false;
    Alignment align_ = Alignment::Left;
};

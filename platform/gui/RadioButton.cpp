#include "platform/gui/RadioButton.h"

#include "platform/gui/LayoutFont.h"
#include "platform/gui/QtText.h"
#include "platform/gui/Window.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// Exclusion is by logical container, not by Qt parent, so Qt's own must not
// act: each button sits alone in a group that excludes nothing. It stays
// auto-exclusive all the same, for Qt tells accessibility that a checkable
// button is a radio button only then. A click on a selected button leaves it
// selected. As in the framework, the whole rectangle of the control takes
// the click, not only its caption.
class RadioWidget : public QRadioButton {
public:
    RadioWidget(QWidget* parent, std::function<void()> select)
        : QRadioButton(parent), select_(std::move(select)) {
        auto* own = new QButtonGroup(this);
        own->setExclusive(false);
        own->addButton(this);
    }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void nextCheckState() override {
        if (!isChecked())
            select_();
    }

private:
    std::function<void()> select_;
};

} // namespace

RadioButton::RadioButton(Window& window, std::string name)
    : Control(window, std::move(name)),
      button_(new RadioWidget(ContentWidget(), [this] { SetValue(true); })) {
    Attach(button_);
}

void RadioButton::SetCaption(const String& caption) {
    caption_ = caption;
    button_->setText(ToQString(caption));
}

void RadioButton::SetBold(bool bold) {
    bold_ = bold;
    button_->setFont(LayoutFont(kSystemTextSize, bold));
}

void RadioButton::SetValue(bool value) {
    if (value_ == value)
        return;
    if (value) {
        for (const auto& control : Owner().Controls()) {
            auto* other = dynamic_cast<RadioButton*>(control.get());
            if (other && other != this && other->Value() && SharesContainerWith(*other))
                other->SetValue(false);
        }
    }
    Store(value);
    Raise(OnAction);
}

bool RadioButton::SharesContainerWith(const RadioButton& other) const {
    return Parent() == other.Parent() && PanelIndex() == other.PanelIndex();
}

void RadioButton::Store(bool value) {
    value_ = value;
    const QSignalBlocker quiet(button_);
    button_->setChecked(value);
}

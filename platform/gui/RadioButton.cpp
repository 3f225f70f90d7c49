#include "platform/gui/RadioButton.h"

#include "platform/gui/LayoutFont.h"
#include "platform/gui/QtText.h"
#include "platform/gui/Window.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <vector>

namespace {

// Exclusion is by logical container, not by Qt parent, so Qt's own must not
// act: each button sits alone in a group that excludes nothing. It stays
// auto-exclusive all the same, for Qt tells accessibility that a checkable
// button is a radio button only then. A click on a selected button leaves it
// selected. As in the framework, the whole rectangle of the control takes
// the click, not only its caption. The arrow keys, which Qt would keep
// within the button's own group, go to its owner.
class RadioWidget : public QRadioButton {
public:
    RadioWidget(QWidget* parent, std::function<void()> select, std::function<void(int)> move)
        : QRadioButton(parent), select_(std::move(select)), move_(std::move(move)) {
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

    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            move_(-1);
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            move_(1);
            break;
        default:
            QRadioButton::keyPressEvent(event);
        }
    }

private:
    std::function<void()> select_;
    std::function<void(int)> move_;
};

} // namespace

RadioButton::RadioButton(Window& window, std::string name)
    : Control(window, std::move(name)),
      button_(new RadioWidget(
          ContentWidget(), [this] { SetValue(true); }, [this](int step) { MoveFocus(step); })) {
    Attach(button_);
    // A screen reader toggles the button without a click: that selects it, as
    // a click does, and never clears it.
    QObject::connect(button_, &QAbstractButton::toggled, SignalContext(), [this](bool checked) {
        if (checked)
            SetValue(true);
        else
            Store(value_);
    });
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

void RadioButton::MoveFocus(int step) {
    std::vector<RadioButton*> partners;
    for (const auto& control : Owner().Controls()) {
        auto* button = dynamic_cast<RadioButton*>(control.get());
        if (button && (button == this ||
                       (SharesContainerWith(*button) && button->Shown() && button->Enabled())))
            partners.push_back(button);
    }
    const auto self = std::find(partners.begin(), partners.end(), this);
    const auto place = (self - partners.begin()) + step;
    if (place < 0 || place >= static_cast<long>(partners.size()))
        return;
    RadioButton& target = *partners[place];
    target.button_->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    if (value_)
        target.SetValue(true);
}

bool RadioButton::SharesContainerWith(const RadioButton& other) const {
    return Parent() == other.Parent() && PanelIndex() == other.PanelIndex();
}

void RadioButton::Store(bool value) {
    value_ = value;
    const QSignalBlocker quiet(button_);
    button_->setChecked(value);
}

#include "platform/gui/PushButton.h"

#include "platform/gui/QtText.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>

// Refuses a press that comes within the double-click interval after the
// press before it, when the caption changed in between.
class ButtonWidget : public QPushButton {
public:
    explicit ButtonWidget(QWidget* parent) : QPushButton(parent) {}

    void SetCaption(const QString& caption) {
        if (caption == text())
            return;
        setText(caption);
        changedSincePress_ = true;
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        if (changedSincePress_ && lastPress_.isValid() && lastPress_.elapsed() < interval) {
            event->accept();
            return;
        }
        changedSincePress_ = false;
        lastPress_.start();
        QPushButton::mousePressEvent(event);
    }

private:
    QElapsedTimer lastPress_;
    bool changedSincePress_ = false;
};

PushButton::PushButton(Window& window, std::string name)
    : Control(window, std::move(name)), button_(new ButtonWidget(ContentWidget())) {
    button_->setAutoDefault(false);
    Attach(button_);
    QObject::connect(button_, &QPushButton::clicked, SignalContext(), [this] { Raise(OnAction); });
}

void PushButton::SetCaption(const String& caption) {
    caption_ = caption;
    button_->SetCaption(ToQString(caption));
}

void PushButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    button_->setDefault(isDefault);
}

void PushButton::Push() {
    if (Shown() && Enabled())
        button_->click();
}

#include "platform/gui/WindowFrame.h"

#include "platform/gui/Window.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A window is told to screen readers as a dialog while it is shown modally,
// as an ordinary window otherwise.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QWidget* frame) : QAccessibleWidget(frame, QAccessible::Window) {}

    QAccessible::Role role() const override {
        return widget()->windowModality() == Qt::NonModal ? QAccessible::Window
                                                          : QAccessible::Dialog;
    }
};

QAccessibleInterface* FrameAccessibleFactory(const QString& /*className*/, QObject* object) {
    auto* frame = dynamic_cast<WindowFrame*>(object);
    return frame ? new FrameAccessible(frame) : nullptr;
}

// The framework's key: the character typed, or the code of a key without one.
String KeyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Escape:
        return Window::KeyEscape;
    case Qt::Key_Return:
        return Window::KeyReturn;
    case Qt::Key_Enter:
        return Window::KeyEnter;
    default:
        return String(event.text().toStdString());
    }
}

} // namespace

class WindowFrame::ContentArea : public QWidget {
public:
    ContentArea(WindowFrame& frame) : QWidget(&frame), frame_(frame) {}

    void SetSize(QSize size) {
        size_ = size;
        resize(size);
        updateGeometry();
    }
    QSize sizeHint() const override { return size_; }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        frame_.ContentPressed(event->position().toPoint());
    }

private:
    WindowFrame& frame_;
    QSize size_;
};

WindowFrame::WindowFrame(Window& owner) : owner_(&owner), content_(new ContentArea(*this)) {
    static const bool factoryInstalled =
        (QAccessible::installFactory(FrameAccessibleFactory), true);
    (void)factoryInstalled;
    setCentralWidget(content_);
}

QWidget* WindowFrame::Content() const {
    return content_;
}

void WindowFrame::SetContentSize(QSize size) {
    content_->SetSize(size);
}

void WindowFrame::ContentPressed(QPoint where) {
    if (owner_)
        owner_->MousePressed(where.x(), where.y());
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (owner_)
        owner_->CloseBoxPressed();
}

void WindowFrame::keyPressEvent(QKeyEvent* event) {
    const String key = KeyOf(*event);
    if (owner_ && !key.IsEmpty() && owner_->KeyPressed(key))
        return;
    QMainWindow::keyPressEvent(event);
}

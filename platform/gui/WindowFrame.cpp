#include "platform/gui/WindowFrame.h"

#include "platform/gui/Window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

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
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && owner_ && owner_->PressDefaultButton())
        return;
    QMainWindow::keyPressEvent(event);
}

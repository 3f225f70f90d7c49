#pragma once
// The Qt side of a Window: a main window whose central widget is the content
// area that holds the controls. It passes the close box, presses in the
// content area and the keys that no control took on to its Window, until the
// Window ends.

#include <QMainWindow>

class Window;

class WindowFrame : public QMainWindow {
public:
    explicit WindowFrame(Window& owner);

    QWidget* Content() const;
    void SetContentSize(QSize size);
    // The Window has ended: events go nowhere from now on.
    void Detach() { owner_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class ContentArea;
    void ContentPressed(QPoint where);

    Window* owner_;
    ContentArea* content_;
};

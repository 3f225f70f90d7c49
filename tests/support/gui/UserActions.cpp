#include "tests/support/gui/UserActions.h"

#include "platform/gui/Control.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/Window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QWidget>

#include <map>

void Click(const Control& control) {
    QTest::mouseClick(control.Widget(), Qt::LeftButton, Qt::NoModifier,
                      control.Widget()->rect().center());
}

void ClickInWindow(const Window& window, int x, int y) {
    QTest::mouseClick(window.ContentWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

void PressCloseBox(const Window& window) {
    window.FrameWidget()->close();
}

void PressReturn(const Window& window) {
    QTest::keyClick(window.FrameWidget(), Qt::Key_Return);
}

void FocusOn(const Control& control) {
    QWidget* window = control.Widget()->window();
    window->activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
    control.Widget()->setFocus(Qt::TabFocusReason);
}

namespace {

Qt::Key QtKey(Key key) {
    switch (key) {
    case Key::Escape:
        return Qt::Key_Escape;
    case Key::Return:
        return Qt::Key_Return;
    case Key::Space:
        return Qt::Key_Space;
    case Key::Up:
        return Qt::Key_Up;
    case Key::Down:
        return Qt::Key_Down;
    case Key::Left:
        return Qt::Key_Left;
    case Key::Right:
        return Qt::Key_Right;
    case Key::End:
        return Qt::Key_End;
    case Key::A:
        return Qt::Key_A;
    }
    return Qt::Key_unknown;
}

} // namespace

void PressKey(const Control& control, Key key) {
    QTest::keyClick(control.Widget(), QtKey(key));
}

void PressKey(const Window& window, Key key) {
    QTest::keyClick(window.FrameWidget(), QtKey(key));
}

void OpenMenu(const MenuItem& menu) {
    emit menu.Action()->menu()->aboutToShow();
}

void Choose(const MenuItem& item) {
    item.Action()->trigger();
}

bool ModalDialogShown() {
    return QApplication::activeModalWidget() != nullptr;
}

bool PressModalButton(const std::string& caption) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>())
        if (button->isVisible() && button->text().toStdString() == caption) {
            button->click();
            return true;
        }
    return false;
}

void HideActiveModal() {
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->hide();
}

bool OnScreen(const Control& control) {
    return control.Widget()->isVisible();
}

bool ShownChecked(const Control& radioButton) {
    return qobject_cast<QAbstractButton*>(radioButton.Widget())->isChecked();
}

int ShownProgress(const Control& progressBar) {
    return qobject_cast<QProgressBar*>(progressBar.Widget())->value();
}

std::string ShownText(const Control& control) {
    if (auto* label = qobject_cast<QLabel*>(control.Widget()))
        return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(control.Widget()))
        return button->text().toStdString();
    return {};
}

Color DrawnTextColor(const Control& control) {
    QWidget* widget = control.Widget();
    widget->setAutoFillBackground(true);
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                ++counts[image.pixel(x, y)];
    QRgb most = background;
    int mostCount = 0;
    for (const auto& [rgb, count] : counts)
        if (count > mostCount) {
            most = rgb;
            mostCount = count;
        }
    return RGB(qRed(most), qGreen(most), qBlue(most));
}

std::vector<std::string> MenusShown(const Window& window) {
    std::vector<std::string> titles;
    auto* bar = window.FrameWidget()->findChild<QMenuBar*>();
    if (!bar || bar->isHidden())
        return titles;
    for (QAction* menu : bar->actions())
        titles.push_back(menu->text().toStdString());
    return titles;
}

std::string ShortcutText(const MenuItem& item) {
    return item.Action()->shortcut().toString(QKeySequence::PortableText).toStdString();
}

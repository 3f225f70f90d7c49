#include "platform/gui/Window.h"

#include "platform/gui/Application.h"
#include "platform/gui/HandlerGuard.h"
#include "platform/gui/MenuBar.h"
#include "platform/gui/ModalScript.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/QtText.h"
#include "platform/gui/WindowFrame.h"
#include "platform/threads/Cooperative.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace {

// The open windows, the most recently opened first. The framework holds
// them: a shown window needs no other owner.
std::vector<std::shared_ptr<Window>>& OpenList() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

// Drops a reference on the next pass of the event loop, so that a window
// closed from inside one of its own events outlives that event.
void ReleaseLater(std::shared_ptr<Window> window) {
    QTimer::singleShot(0, QApplication::instance(), [window = std::move(window)] {});
}

// Pixels between a window and the one placed beside it.
constexpr int kWindowGap = 8;

} // namespace

const String Window::KeyEscape = ChrB(27);
const String Window::KeyReturn = ChrB(13);
const String Window::KeyEnter = ChrB(3);

Window::Window() {
    if (!QApplication::instance())
        throw std::logic_error("a window needs the application object");
    frameWidget_ = new WindowFrame(*this);
}

Window::~Window() {
    frameWidget_->Detach();
    frameWidget_->hide();
    // The widgets may be in the middle of delivering an event.
    frameWidget_->deleteLater();
}

// A second document window goes to the right of the window shown before it
// (the one whose text points "to the right" at it), so that neither covers
// the other: when the screen holds both, the first moves left as far as that
// needs. On a screen too narrow for both, the first goes to the screen's
// left edge, and the second covers as little of it as the screen allows and
// none of its push buttons. Desktops without a window manager would
// otherwise put every window at the origin, and a window manager where it
// likes.
void Window::PlaceBesideOpenWindows() {
    for (const auto& other : OpenList()) {
        if (other.get() == this || !other->frameWidget_->isVisible())
            continue;
        QWidget& first = *other->frameWidget_;
        const QRect beside = first.frameGeometry();
        const QScreen* screen = first.screen();
        if (!screen)
            return;
        const QRect room = screen->availableGeometry();
        // Not shown yet, this window will get the frame that the first one has.
        const QRect inner = first.geometry();
        const QMargins frame(inner.left() - beside.left(), inner.top() - beside.top(),
                             beside.right() - inner.right(), beside.bottom() - inner.bottom());
        const QSize size = frameWidget_->sizeHint().grownBy(frame);

        const int needed = beside.width() + kWindowGap + size.width();
        int firstLeft = room.left();
        int left = 0;
        if (needed <= room.width()) {
            firstLeft = std::clamp(beside.left(), room.left(), room.right() + 1 - needed);
            left = firstLeft + beside.width() + kWindowGap;
        } else {
            const int pastButtons =
                firstLeft + frame.left() + other->PushButtonsRight() + kWindowGap;
            left = std::max(room.right() + 1 - size.width(), pastButtons);
        }
        const int top = std::clamp(beside.top(), room.top(),
                                   std::max(room.top(), room.bottom() + 1 - size.height()));
        if (firstLeft != beside.left())
            first.move(firstLeft, beside.top());
        // The place of its content: a window that is not shown yet has no
        // frame that a move could take into account.
        frameWidget_->setGeometry(
            QRect(QPoint(left, top) + QPoint(frame.left(), frame.top()), frameWidget_->size()));
        return;
    }
}

int Window::PushButtonsRight() const {
    int right = 0;
    for (const auto& control : controls_)
        if (dynamic_cast<const PushButton*>(control.get()))
            right = std::max(right, control->Left() + control->Width());
    return right;
}

std::vector<std::shared_ptr<Window>> Window::OpenWindows() {
    return OpenList();
}

void Window::CloseAll() {
    for (const auto& window : OpenWindows())
        window->Close();
}

std::shared_ptr<Window> Window::FindOpen(std::type_index type) {
    for (const auto& window : OpenList()) {
        const Window& open = *window;
        if (std::type_index(typeid(open)) == type)
            return window;
    }
    return nullptr;
}

void Window::Open() {
    OpenList().insert(OpenList().begin(), shared_from_this());
    try {
        Layout();
        ApplyFlags();
        if (!menuBar_ && !HasDialogFrame() && TheApplication())
            SetMenuBar(TheApplication()->CurrentMenuBar());
        ApplySize();
        CreateControls();
        AddMenuHandlers();
    } catch (...) {
        // A window that could not be built is not left open.
        Close();
        throw;
    }
    opened_ = true;
    coop::Guard([this] { Event_Open(); });
    if (visibleOnCreation_ && !closed_)
        Show();
}

void Window::SetContentSize(int width, int height) {
    width_ = width;
    height_ = height;
    ApplySize();
}

void Window::SetMinimumSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
    ApplySize();
}

void Window::SetMaximumSize(int width, int height) {
    maxWidth_ = width;
    maxHeight_ = height;
    ApplySize();
}

void Window::SetFrame(int frameType) {
    frame_ = frameType;
    ApplyFlags();
}

void Window::SetResizable(bool resizable) {
    resizable_ = resizable;
    ApplyFlags();
    ApplySize();
}

void Window::SetCloseBox(bool shown) {
    closeBox_ = shown;
    ApplyFlags();
}

void Window::SetMinimizeBox(bool shown) {
    minimizeBox_ = shown;
    ApplyFlags();
}

void Window::SetMaximizeBox(bool shown) {
    maximizeBox_ = shown;
    ApplyFlags();
}

void Window::SetMenuBar(std::shared_ptr<MenuBar> bar) {
    menuBar_ = std::move(bar);
    frameWidget_->menuBar()->clear();
    if (menuBar_)
        menuBar_->ShowIn(frameWidget_->menuBar());
    SetMenuBarVisible(menuBarVisible_);
}

void Window::SetMenuBarVisible(bool shown) {
    menuBarVisible_ = shown;
    frameWidget_->menuBar()->setVisible(shown && menuBar_);
    ApplySize();
}

void Window::SetTitle(const String& title) {
    title_ = title;
    frameWidget_->setWindowTitle(ToQString(title));
}

void Window::SetAccessibleName(const String& name) {
    accessibleName_ = name;
    frameWidget_->setAccessibleName(ToQString(name));
}

void Window::SetVisible(bool visible) {
    if (!opened_)
        visibleOnCreation_ = visible;
    else if (visible)
        Show();
    else
        Hide();
}

bool Window::Visible() const {
    return frameWidget_->isVisible();
}

void Window::Show() {
    if (closed_)
        return;
    if (!placed_) {
        placed_ = true;
        if (!HasDialogFrame())
            PlaceBesideOpenWindows();
    }
    frameWidget_->show();
    frameWidget_->raise();
    frameWidget_->activateWindow();
}

void Window::ShowModal() {
    if (closed_)
        return;
    const auto self = shared_from_this();
    // Qt takes a change of modality only when the window is shown anew.
    frameWidget_->hide();
    frameWidget_->setWindowModality(Qt::ApplicationModal);
    Show();
    if (ModalScript::Scripting()) {
        Modal modal(ModalKind::Window);
        modal.window = this;
        ModalScript::Answer(modal);
    } else {
        coop::WaitUntil([this] { return !frameWidget_->isVisible(); });
    }
    frameWidget_->setWindowModality(Qt::NonModal);
}

void Window::Hide() {
    frameWidget_->hide();
}

void Window::Close() {
    if (closed_)
        return;
    closed_ = true;
    frameWidget_->hide();
    auto& open = OpenList();
    const auto found = std::find_if(open.begin(), open.end(),
                                    [this](const auto& window) { return window.get() == this; });
    if (found == open.end())
        return;
    std::shared_ptr<Window> held = std::move(*found);
    open.erase(found);
    ReleaseLater(std::move(held));
}

bool Window::CancelClose(bool appQuitting) {
    return GuardedAnswer<bool>([&] { return Event_CancelClose(appQuitting); }, true);
}

Control* Window::FindControl(std::string_view name) const {
    for (const auto& control : controls_)
        if (control->Name() == name)
            return control.get();
    return nullptr;
}

QWidget* Window::ContentWidget() const {
    return frameWidget_->Content();
}

QWidget* Window::FrameWidget() const {
    return frameWidget_;
}

void Window::Register(std::unique_ptr<Control> control) {
    if (QWidget* widget = control->Widget())
        widget->setVisible(control->Shown());
    controls_.push_back(std::move(control));
}

void Window::RefreshVisibility() {
    for (const auto& control : controls_)
        if (QWidget* widget = control->Widget())
            widget->setVisible(control->Shown());
}

bool Window::HasDialogFrame() const {
    return frame_ == kMovableModalFrame || frame_ == kModalDialogFrame || frame_ == kSheetFrame;
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags = HasDialogFrame() ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox_)
        flags |= Qt::WindowCloseButtonHint;
    if (minimizeBox_)
        flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeBox_ && resizable_)
        flags |= Qt::WindowMaximizeButtonHint;
    if (frameWidget_->windowFlags() == flags)
        return;
    // Qt hides a window whose flags change.
    const bool wasVisible = frameWidget_->isVisible();
    frameWidget_->setWindowFlags(flags);
    if (wasVisible)
        frameWidget_->show();
}

void Window::ApplySize() {
    QWidget* content = frameWidget_->Content();
    frameWidget_->SetContentSize(QSize(width_, height_));
    if (resizable_) {
        content->setMinimumSize(minWidth_, minHeight_);
        content->setMaximumSize(maxWidth_, maxHeight_);
        frameWidget_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        frameWidget_->resize(frameWidget_->sizeHint());
    } else {
        content->setFixedSize(width_, height_);
        frameWidget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void Window::CloseBoxPressed() {
    const auto self = shared_from_this();
    if (quitOnClose_) {
        Quit();
        return;
    }
    if (CancelClose(false))
        return;
    Close();
    const auto open = OpenWindows();
    const bool anyShown =
        std::any_of(open.begin(), open.end(), [](const auto& window) { return window->Visible(); });
    // Nothing left to reach the menus with: the application ends.
    if (!anyShown)
        EndApplication();
}

void Window::MousePressed(int x, int y) {
    GuardedAnswer<bool>([&] { return Event_MouseDown(x, y); }, false);
}

bool Window::KeyPressed(const String& key) {
    if (GuardedAnswer<bool>([&] { return Event_KeyDown(key); }, true))
        return true;
    return (key == KeyReturn || key == KeyEnter) && PressDefaultButton();
}

bool Window::PressDefaultButton() {
    for (const auto& control : controls_) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (button && button->Default() && button->Shown() && button->Enabled()) {
            button->Push();
            return true;
        }
    }
    return false;
}

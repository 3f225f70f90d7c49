#pragma once
// A window: one top-level Qt widget with a content area that holds the
// controls, an optional menu bar, and the framework's events.
//
// Windows are made in two steps so that the subclass's virtual methods run:
// Window::New<W>() constructs W, then calls Layout, CreateControls and
// AddMenuHandlers, raises Event_Open, and shows the window when its
// attributes say it is visible on creation. A made window is open until
// Close(); the framework holds it meanwhile, so it needs no other owner.
// Closing ends the instance (a single-instance accessor then makes a new
// one) but never frees an object that someone still references: callers
// holding a std::shared_ptr keep a valid, hidden window.
//
// Single-instance windows expose an accessor named after the class:
//     static std::shared_ptr<Window2> Instance() { return SingleInstance<Window2>(); }
//
// ShowModal returns when the window is hidden. On a cooperative thread the
// thread waits meanwhile; on the event loop's stack a nested event loop runs.
// Tests answer it through ModalScript.

#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

#include "platform/gui/Control.h"
#include "platform/text/String.h"

class MenuBar;
class QWidget;
class WindowFrame;

class Window : public std::enable_shared_from_this<Window> {
public:
    // Codes of the keys that type no character, as Event_KeyDown has them.
    static const String KeyEscape;
    static const String KeyReturn;
    static const String KeyEnter;

    // Frame type codes of the framework's window records. The modal kinds
    // and the sheet get a dialog's frame, every other code an ordinary one.
    static constexpr int kDocumentFrame = 0;
    static constexpr int kMovableModalFrame = 1;
    static constexpr int kModalDialogFrame = 2;
    static constexpr int kSheetFrame = 8;

    template <class W, class... Args> static std::shared_ptr<W> New(Args&&... args) {
        std::shared_ptr<W> window(new W(std::forward<Args>(args)...));
        window->Open();
        return window;
    }

    // The open window of exactly class W, or a new one when there is none.
    template <class W> static std::shared_ptr<W> SingleInstance() {
        if (auto live = FindOpen(typeid(W)))
            return std::static_pointer_cast<W>(live);
        return New<W>();
    }

    // The open windows, the most recently opened first.
    static std::vector<std::shared_ptr<Window>> OpenWindows();
    // Closes every open window without asking (the application's end, tests).
    static void CloseAll();

    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Attributes, normally applied in Layout.
    void SetContentSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetMinimumSize(int width, int height);
    void SetMaximumSize(int width, int height);
    void SetFrame(int frameType);
    int Frame() const { return frame_; }
    void SetResizable(bool resizable);
    void SetCloseBox(bool shown);
    void SetMinimizeBox(bool shown);
    void SetMaximizeBox(bool shown);
    // A window whose Layout sets no menu bar shows the application's, unless
    // it has a dialog's frame.
    void SetMenuBar(std::shared_ptr<MenuBar> bar);
    std::shared_ptr<MenuBar> CurrentMenuBar() const { return menuBar_; }
    void SetMenuBarVisible(bool shown);
    // The close box of the program's main window quits the application, so
    // that it ends whatever other windows are open; every window is asked.
    void SetQuitOnClose(bool quits) { quitOnClose_ = quits; }

    String Title() const { return title_; }
    void SetTitle(const String& title);
    // What a screen reader calls the window, when its title does not say what
    // it is; the title otherwise. A window shown modally is told as a dialog.
    const String& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const String& name);

    // Before the window has opened this is the "visible on creation" attribute.
    void SetVisible(bool visible);
    bool Visible() const;

    void Show();
    void ShowModal();
    void Hide();
    void Close();
    bool IsClosed() const { return closed_; }

    // Raises Event_CancelClose inside the exception guard (an exception keeps the window).
    bool CancelClose(bool appQuitting);

    template <class C> C* Add(std::string name, int left, int top, int width, int height) {
        std::unique_ptr<C> control(new C(*this, std::move(name)));
        C* added = control.get();
        added->SetGeometry(left, top, width, height);
        Register(std::move(control));
        return added;
    }
    Control* FindControl(std::string_view name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    QWidget* ContentWidget() const;
    QWidget* FrameWidget() const;

protected:
    Window();

    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Event_Open() {}
    // True keeps the window open.
    virtual bool Event_CancelClose(bool /*appQuitting*/) { return false; }
    // A press in the window outside any control.
    virtual bool Event_MouseDown(int /*x*/, int /*y*/) { return false; }
    // A key that no control took: the character typed, or the framework's
    // code of a key without one (KeyEscape, KeyReturn, KeyEnter). True when
    // handled; else Return and Enter press the default button.
    virtual bool Event_KeyDown(const String& /*key*/) { return false; }

private:
    friend class Control;
    friend class WindowFrame;

    static std::shared_ptr<Window> FindOpen(std::type_index type);
    void Open();
    void Register(std::unique_ptr<Control> control);
    void RefreshVisibility();
    bool HasDialogFrame() const;
    void ApplyFlags();
    void ApplySize();
    void CloseBoxPressed();
    void PlaceBesideOpenWindows();
    // The right edge of the rightmost push button, in window coordinates.
    int PushButtonsRight() const;
    void MousePressed(int x, int y);
    // True when the key was handled.
    bool KeyPressed(const String& key);
    bool PressDefaultButton();

    WindowFrame* frameWidget_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::shared_ptr<MenuBar> menuBar_;
    String title_;
    String accessibleName_;
    int width_ = 300;
    int height_ = 300;
    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 32000;
    int maxHeight_ = 32000;
    int frame_ = kDocumentFrame;
    bool resizable_ = true;
    bool closeBox_ = true;
    bool minimizeBox_ = true;
    bool maximizeBox_ = true;
    bool menuBarVisible_ = true;
    bool quitOnClose_ = false;
    bool visibleOnCreation_ = true;
    bool opened_ = false;
    bool closed_ = false;
    bool placed_ = false;
};

#pragma once
// Base of every control. A control is one Qt widget, placed as a direct
// child of its window's content area with absolute geometry in window
// coordinates, and registered with the window under its name.
//
// Besides the Qt parent (always the content area), a control has a logical
// container: the window itself, a page of a PagePanel, or a GroupBox. It is
// seen only while it is Visible itself, its container is seen, and (on a
// page) that page is the panel's current one. Radio buttons exclude each
// other within one container.
//
// Controls are made by Window::Add<C>(name, left, top, width, height); a
// subclass constructor takes (Window&, std::string name), creates its widget
// with ContentWidget() as Qt parent and hands it to Attach(). Signal
// connections use SignalContext() as context object, so that they end with
// the control.

#include <functional>
#include <memory>
#include <string>

#include "platform/text/String.h"

class QObject;
class QWidget;
class Window;
class PagePanel;
class GroupBox;

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Window& Owner() const { return window_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetGeometry(int left, int top, int width, int height);

    // The logical container; the window itself when none was set.
    void SetParent(PagePanel& panel, int panelIndex);
    void SetParent(GroupBox& box);
    Control* Parent() const { return parent_; }
    int PanelIndex() const { return panelIndex_; } // -1 outside a page panel

    // What the user sees: Visible, the container seen, the page current.
    bool Shown() const;

    // What a screen reader says of the control beside its own text: a name
    // for a control whose text does not say what it is, and a description.
    const String& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const String& name);
    const String& AccessibleDescription() const { return accessibleDescription_; }
    void SetAccessibleDescription(const String& description);

    QWidget* Widget() const { return widget_; }

protected:
    Control(Window& window, std::string name);

    QWidget* ContentWidget() const;
    QObject* SignalContext() const { return context_.get(); }
    void Attach(QWidget* widget);
    // Shows and hides the window's widgets after a change of what is seen.
    void RefreshWindow();

    // Runs an event handler of this control inside the exception guard.
    void Raise(const std::function<void()>& handler);

    // Whether this container lets a child on the given page be seen.
    virtual bool ShowsPage(int panelIndex) const;

    // Hands the accessible name and description to the widget.
    virtual void ApplyAccessibleTexts();

private:
    Window& window_;
    std::string name_;
    QWidget* widget_ = nullptr;
    std::unique_ptr<QObject> context_;
    Control* parent_ = nullptr;
    int panelIndex_ = -1;
    bool visible_ = true;
    bool enabled_ = true;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    String accessibleName_;
    String accessibleDescription_;
};

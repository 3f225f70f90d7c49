#include "platform/gui/Control.h"

#include "platform/gui/GroupBox.h"
#include "platform/gui/LayoutFont.h"
#include "platform/gui/PagePanel.h"
#include "platform/gui/QtText.h"
#include "platform/gui/Window.h"
#include "platform/threads/Cooperative.h"

#include <QObject>
#include <QWidget>

Control::Control(Window& window, std::string name)
    : window_(window), name_(std::move(name)), context_(std::make_unique<QObject>()) {}

Control::~Control() = default;

void Control::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    window_.RefreshVisibility();
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (widget_)
        widget_->setEnabled(enabled);
}

void Control::SetGeometry(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (widget_)
        widget_->setGeometry(left, top, width, height);
}

void Control::SetParent(PagePanel& panel, int panelIndex) {
    parent_ = &panel;
    panelIndex_ = panelIndex;
    window_.RefreshVisibility();
}

void Control::SetParent(GroupBox& box) {
    parent_ = &box;
    panelIndex_ = -1;
    window_.RefreshVisibility();
}

bool Control::Shown() const {
    if (!visible_)
        return false;
    if (!parent_)
        return true;
    return parent_->Shown() && parent_->ShowsPage(panelIndex_);
}

void Control::SetAccessibleName(const String& name) {
    accessibleName_ = name;
    ApplyAccessibleTexts();
}

void Control::SetAccessibleDescription(const String& description) {
    accessibleDescription_ = description;
    ApplyAccessibleTexts();
}

void Control::ApplyAccessibleTexts() {
    if (!widget_)
        return;
    widget_->setAccessibleName(ToQString(accessibleName_));
    widget_->setAccessibleDescription(ToQString(accessibleDescription_));
}

QWidget* Control::ContentWidget() const {
    return window_.ContentWidget();
}

void Control::Attach(QWidget* widget) {
    widget_ = widget;
    widget->setObjectName(QString::fromStdString(name_));
    widget->setFont(LayoutFont(kSystemTextSize));
    widget->setGeometry(left_, top_, width_, height_);
    widget->setEnabled(enabled_);
}

void Control::RefreshWindow() {
    window_.RefreshVisibility();
}

void Control::Raise(const std::function<void()>& handler) {
    if (!handler)
        return;
    // A copy, as the handler may replace itself while it runs; the window
    // lives until the handler returns, though it close the window and yield.
    const std::function<void()> running = handler;
    const auto window = window_.weak_from_this().lock();
    coop::Guard(running);
}

bool Control::ShowsPage(int /*panelIndex*/) const {
    return true;
}

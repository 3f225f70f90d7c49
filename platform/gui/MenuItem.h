#pragma once
// A menu item; an item with children is a menu. The text "-" makes a
// separator. KeyboardShortcut takes the framework's form ("Cmd+Q": the
// command key on macOS, Ctrl elsewhere).
//
// Choosing an item runs the application's handler installed under the item's
// name. AutoEnable items are enabled each time the menus are about to be
// shown, before the application's EnableMenuItems event.

#include <memory>
#include <string>
#include <vector>

#include "platform/text/String.h"

class QAction;
class QMenu;

class MenuItem {
public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    const String& Text() const { return text_; }
    void SetText(const String& text);

    const String& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(const String& shortcut);

    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    bool Enabled() const;
    void SetEnabled(bool enabled);

    void Append(std::shared_ptr<MenuItem> item);
    int Count() const { return static_cast<int>(children_.size()); }
    std::shared_ptr<MenuItem> Item(int index) const; // 0-based
    // The direct child of that name, or nullptr.
    std::shared_ptr<MenuItem> Child(const std::string& name) const;
    // The item of that name anywhere below this one, or nullptr.
    std::shared_ptr<MenuItem> FindItem(const std::string& name) const;

    // What choosing the item does: the application's handler, when it has one.
    virtual void Choose();

    QAction* Action() const { return action_; }

protected:
    virtual void ChildAppended(MenuItem& child);

private:
    friend class MenuBar;
    // Makes this item a menu, as it holds items.
    QMenu* EnsureMenu();
    void PrepareToShow();

    QAction* action_;
    QMenu* menu_ = nullptr;
    std::vector<std::shared_ptr<MenuItem>> children_;
    std::string name_;
    String text_;
    String shortcut_;
    bool autoEnable_ = false;
};

// The Quit command: the application's handler first, else Quit().
class QuitMenuItem : public MenuItem {
public:
    QuitMenuItem();
    void Choose() override;
};

// Shown in the application menu on macOS; elsewhere where it was appended.
class AppleMenuItem : public MenuItem {
public:
    AppleMenuItem();
};

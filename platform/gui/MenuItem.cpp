#include "platform/gui/MenuItem.h"

#include "platform/gui/Application.h"
#include "platform/gui/QtText.h"
#include "platform/threads/Cooperative.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

MenuItem::MenuItem() : action_(new QAction()) {
    // Only the item classes that ask for it go to the macOS application menu.
    action_->setMenuRole(QAction::NoRole);
    QObject::connect(action_, &QAction::triggered, action_,
                     [this] { coop::Guard([this] { Choose(); }); });
}

MenuItem::~MenuItem() {
    delete action_;
    delete menu_;
}

void MenuItem::SetText(const String& text) {
    text_ = text;
    const QString shown = ToQString(text);
    // A separator has no text of its own: Qt would draw and read out the "-".
    const bool separator = shown == QStringLiteral("-");
    action_->setSeparator(separator);
    action_->setText(separator ? QString() : shown);
    if (menu_)
        menu_->setTitle(shown);
}

void MenuItem::SetKeyboardShortcut(const String& shortcut) {
    shortcut_ = shortcut;
    // The framework's command key: Qt's Ctrl, which Qt shows as ⌘ on macOS.
    QString keys = ToQString(shortcut);
    keys.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"));
    action_->setShortcut(QKeySequence(keys, QKeySequence::PortableText));
}

bool MenuItem::Enabled() const {
    return action_->isEnabled();
}

void MenuItem::SetEnabled(bool enabled) {
    action_->setEnabled(enabled);
}

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
    MenuItem& appended = *item;
    children_.push_back(std::move(item));
    ChildAppended(appended);
}

void MenuItem::ChildAppended(MenuItem& child) {
    EnsureMenu()->addAction(child.action_);
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_)
        if (child->Name() == name)
            return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::FindItem(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child;
        if (auto below = child->FindItem(name))
            return below;
    }
    return nullptr;
}

void MenuItem::Choose() {
    if (Application* application = TheApplication())
        application->HandleMenuCommand(name_);
}

QMenu* MenuItem::EnsureMenu() {
    if (menu_)
        return menu_;
    menu_ = new QMenu();
    menu_->setTitle(ToQString(text_));
    action_->setMenu(menu_);
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { PrepareToShow(); });
    return menu_;
}

void MenuItem::PrepareToShow() {
    for (const auto& child : children_)
        if (child->AutoEnable())
            child->SetEnabled(true);
    if (Application* application = TheApplication())
        application->EnableMenuItems();
}

QuitMenuItem::QuitMenuItem() {
    Action()->setMenuRole(QAction::QuitRole);
}

void QuitMenuItem::Choose() {
    Application* application = TheApplication();
    if (!application || !application->HandleMenuCommand(Name()))
        Quit();
}

AppleMenuItem::AppleMenuItem() {
    Action()->setMenuRole(QAction::AboutRole);
}

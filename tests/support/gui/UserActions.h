#pragma once
// What a user does to windows and controls, sent as real input events, and
// what the user then sees.

#include <string>
#include <vector>

#include "platform/gui/Color.h"

class Control;
class MenuItem;
class Window;

// A mouse click in the middle of the control.
void Click(const Control& control);
// A mouse click at window coordinates, outside any control.
void ClickInWindow(const Window& window, int x, int y);
void PressCloseBox(const Window& window);
void PressReturn(const Window& window);
// The control's window made active and the keyboard focus moved to the
// control, as the Tab key does.
void FocusOn(const Control& control);
enum class Key { Escape, Return, Space, Up, Down, Left, Right, End, A };
// A key pressed while the focus is in the control, or in the window where no
// control has it.
void PressKey(const Control& control, Key key);
void PressKey(const Window& window, Key key);
// The menu about to be shown, as when the user opens it.
void OpenMenu(const MenuItem& menu);
// Choosing the item, as a click or its shortcut does.
void Choose(const MenuItem& item);
bool ModalDialogShown();
// Clicks the button with that caption in the modal dialog being shown by Qt;
// false when there is no such dialog or button.
bool PressModalButton(const std::string& caption);
// Hides the modal dialog being shown, when a test gives up on it.
void HideActiveModal();

// Seen on screen: shown, and its window shown.
bool OnScreen(const Control& control);
bool ShownChecked(const Control& radioButton);
int ShownProgress(const Control& progressBar);
// The text that the control shows (label text, button caption) as UTF-8.
std::string ShownText(const Control& control);
// The colour of the most frequent pixel of the drawn control that differs
// from its background: the colour of its text.
Color DrawnTextColor(const Control& control);
// The titles of the menus in the window's menu bar; none when it shows no bar.
std::vector<std::string> MenusShown(const Window& window);
// The shortcut of a menu item, as Qt shows it portably ("Ctrl+Q").
std::string ShortcutText(const MenuItem& item);

#pragma once
// The application object: one per process, over the Qt application.
//
// Run() runs the event loop; Event_Open is raised once when it starts.
// Event_EnableMenuItems is raised whenever a menu is about to be shown. Menu
// items are answered by handlers installed under the item's name.
//
// Every event handler that the layer calls runs inside a guard: an exception
// that escapes it goes to the unhandled-exception handler, which by default
// shows the framework's alert and ends the application.

#include <functional>
#include <map>
#include <memory>
#include <string>

class MenuBar;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the event loop until the application ends; returns its exit code.
    int Run();

    void SetMenuBar(std::shared_ptr<MenuBar> bar);
    std::shared_ptr<MenuBar> CurrentMenuBar() const { return menuBar_; }

    // handler returns True when it handled the command.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    // Runs the handler installed for the item; False when none handled it.
    bool HandleMenuCommand(const std::string& itemName);

    // Raises Event_EnableMenuItems inside the guard.
    void EnableMenuItems();

    // Called whenever the application ends (by Quit or an unhandled exception),
    // after its windows have closed. Tests observe a quit through it.
    static void SetQuitHook(std::function<void()> hook);

protected:
    virtual void Event_Open() {}
    virtual void Event_EnableMenuItems() {}

private:
    friend void EndApplication();
    void InstallAppMenuBar();

    std::shared_ptr<MenuBar> menuBar_;
    std::map<std::string, std::function<bool()>> menuHandlers_;
    bool running_ = false;
};

// The application object, or nullptr before it exists.
Application* TheApplication();

// Asks every open window's CancelClose(appQuitting = True). When one answers
// True the quit is refused and Quit returns to its caller; otherwise the
// windows close and the application ends.
void Quit();

// Closes every window without asking and ends the application.
void EndApplication();

void Beep();

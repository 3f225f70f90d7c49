#pragma once
// The assistant started inside this process on one machine of the demo
// world, as its main() starts it, and a user's steps through the wizard:
// clicks on the wizard's own buttons, the picker answered as a user answers
// it. Every wait has a time limit. A step that can't be done, a dialog that
// no step expected, or an exception that escaped the assistant throws
// std::runtime_error saying which.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scripts/demo/DemoWorld.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScopedProgramFolder.h"

class App;
class Window1;
class Window2;
class Window3;

namespace demo {

// What a copy or paste does with an item of the same name at its destination.
enum class Existing { Replace, Keep };

class DemoSession {
public:
    explicit DemoSession(const DemoStart& start);
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    Window1& Wizard() const { return *wizard_; }
    Window2& ItemList() const;

    void ChooseDevice();
    // The network method: the picker takes the volume and the user by name;
    // whileShown runs when both are chosen, before the picker is confirmed.
    void ChooseNetwork(const std::string& volume, const std::string& user,
                       const std::function<void(Window3&)>& whileShown = {});
    // Next from STEP 1, then the wait for the end of the gathering.
    void NextAndGather();
    void Next();
    // The choice for items already there, on STEP 3 (network) or STEP 4.
    void ChooseExisting(Existing existing);
    // STEP 3's copy button or STEP 4's paste button, then the wait for the run's end.
    void CopyAndWait();
    void PasteAndWait();
    // The application's quit, which goes through the wizard's quit guard.
    void Quit();

private:
    // Closes the windows and releases the application and its module state,
    // leaving the process as it was before the session.
    void End();
    void WaitFor(const std::string& what, const std::function<bool()>& done);
    void ThrowProblems(const std::string& step);

    ScopedEnvironment environment_;
    ScopedProgramFolder programFolder_;
    std::shared_ptr<std::vector<std::string>> problems_ =
        std::make_shared<std::vector<std::string>>();
    std::unique_ptr<App> app_;
    std::shared_ptr<Window1> wizard_;
};

} // namespace demo

#pragma once
// The two routes through the wizard on a demo world, as a user takes them:
//
//   device:  the old Mac, started from the device, gathers and copies onto
//            it and quits; the new Mac, started from the same device, pastes
//            (replacing what is there) and quits;
//   network: the new Mac picks the old Mac's disk and user, gathers, and
//            copies (replacing what is there).
//
// After each step the walk tells `seen` the step's name ("device-1-start"
// ...) and the windows that show it.

#include <functional>
#include <string>
#include <vector>

#include "scripts/demo/DemoWorld.h"

class Window;

namespace demo {

using StepSeen =
    std::function<void(const std::string& step, const std::vector<const Window*>& windows)>;

void WalkDeviceRoute(const DemoWorld& world, const StepSeen& seen);
void WalkNetworkRoute(const DemoWorld& world, const StepSeen& seen);

} // namespace demo

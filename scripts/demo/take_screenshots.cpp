// Takes the README's pictures of the assistant at work: both routes through
// the wizard, each on a fresh demo world, the windows of every step saved as
// "<step>.png" in the folder given (default: docs/ of the source tree). Run
// it on a display (scripts/screenshots.sh starts Xvfb), so that the fonts
// are those of a desktop.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "scripts/demo/DemoRoutes.h"
#include "scripts/demo/DemoWorld.h"
#include "scripts/demo/WindowPicture.h"
#include "tests/support/TemporaryFolder.h"

int main(int argc, char** argv) {
    const std::string pictures = argc > 1 ? argv[1] : DOCS_FOLDER;
    const demo::StepSeen takePicture = [&](const std::string& step,
                                           const std::vector<const Window*>& windows) {
        const std::string path = pictures + "/" + step + ".png";
        demo::SaveWindowPicture(windows, path);
        std::cout << path << "\n";
    };
    try {
        TemporaryFolder folder;
        const demo::DemoWorld world(folder.Path("demo"));
        world.Make(ASSISTANT_BUNDLE);
        demo::WalkDeviceRoute(world, takePicture);
        world.Make(ASSISTANT_BUNDLE);
        demo::WalkNetworkRoute(world, takePicture);
    } catch (const std::exception& error) {
        std::cerr << "take_screenshots: " << error.what() << "\n";
        return 1;
    }
    return 0;
}

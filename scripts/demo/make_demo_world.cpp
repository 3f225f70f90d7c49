// Makes the demo world (see DemoWorld.h) from a clean state:
//
//   make_demo_world [--if-missing] [folder]
//
// The folder defaults to "demo" in the build folder. With --if-missing a
// world that is there is kept, and only its copies of the assistant are
// brought up to the current build.

#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "scripts/demo/DemoWorld.h"

int main(int argc, char** argv) {
    bool ifMissing = false;
    std::string folder = DEMO_WORLD_FOLDER;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--if-missing") == 0) {
            ifMissing = true;
        } else if (argv[i][0] == '-') {
            std::cerr << "usage: make_demo_world [--if-missing] [folder]\n";
            return 2;
        } else {
            folder = argv[i];
        }
    }
    try {
        const demo::DemoWorld world(folder);
        if (ifMissing && world.Exists()) {
            world.UpdateAssistant(ASSISTANT_BUNDLE);
            std::cout << "Demo world kept, assistant updated: " << world.Folder() << "\n";
        } else {
            world.Make(ASSISTANT_BUNDLE);
            std::cout << "Demo world made: " << world.Folder() << "\n";
        }
    } catch (const std::exception& error) {
        std::cerr << "make_demo_world: " << error.what() << "\n";
        return 1;
    }
    return 0;
}

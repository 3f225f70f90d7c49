#include "tests/demo/StubAssistant.h"

#include "tests/support/FakeMacDisk.h"

std::string MakeStubAssistant(const std::string& folder, std::string_view executable) {
    FakeMacDisk build(folder, "build");
    build.AppBundle("DRAVO Migration Assistant.app", "APPLqWts", "contents");
    build.File("DRAVO Migration Assistant.app/contents/MacOS/DRAVO Migration Assistant",
               executable);
    return build.Path("DRAVO Migration Assistant.app");
}

#include "scripts/demo/DemoRoutes.h"

#include "gather/Window2.h"
#include "scripts/demo/DemoSession.h"
#include "wizard/Window1.h"
#include "wizard/Window3.h"

namespace demo {

void WalkDeviceRoute(const DemoWorld& world, const StepSeen& seen) {
    {
        DemoSession old(world.OldMacWithDevice());
        old.ChooseDevice();
        seen("device-1-start", {&old.Wizard()});
        old.NextAndGather();
        seen("device-2-items", {&old.Wizard(), &old.ItemList()});
        old.Next();
        old.CopyAndWait();
        seen("device-3-copied", {&old.Wizard()});
        old.Quit();
    }
    DemoSession fresh(world.NewMacWithDevice());
    fresh.ChooseExisting(Existing::Replace);
    fresh.PasteAndWait();
    seen("device-4-pasted", {&fresh.Wizard()});
    fresh.Quit();
}

void WalkNetworkRoute(const DemoWorld& world, const StepSeen& seen) {
    DemoSession session(world.NewMacOnNetwork());
    session.ChooseNetwork("Old Mac HD", std::string(DemoWorld::kUser), [&](const Window3& picker) {
        seen("network-1-picker", {&session.Wizard(), &picker});
    });
    session.NextAndGather();
    seen("network-2-items", {&session.Wizard(), &session.ItemList()});
    session.Next();
    session.ChooseExisting(Existing::Replace);
    session.CopyAndWait();
    seen("network-3-copied", {&session.Wizard()});
    session.Quit();
}

} // namespace demo

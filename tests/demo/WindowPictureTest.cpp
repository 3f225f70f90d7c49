// The README's pictures show the item list as it is drawn, even when the
// picture is taken the moment the gathering has filled it.

#include <gtest/gtest.h>

#include <QImage>

#include "gather/Window2.h"
#include "scripts/demo/DemoSession.h"
#include "scripts/demo/DemoWorld.h"
#include "scripts/demo/WindowPicture.h"
#include "tests/demo/StubAssistant.h"
#include "tests/support/TemporaryFolder.h"

namespace {

TEST(WindowPicture, TheItemListIsDrawnRightAfterTheGathering) {
    TemporaryFolder folder;
    const demo::DemoWorld world(folder.Path("demo"));
    world.Make(MakeStubAssistant(folder.Path(), "assistant"));
    demo::DemoSession session(world.OldMacWithDevice());
    session.ChooseDevice();
    session.NextAndGather();
    const std::string path = folder.Path("items.png");
    demo::SaveWindowPicture({&session.ItemList()}, path);

    const QImage picture(QString::fromStdString(path));
    ASSERT_FALSE(picture.isNull());
    long black = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            black += picture.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
    // Only the letters of the rows are black; a view grabbed while it held its drawing back is all
    // black.
    EXPECT_LT(black, picture.width() * picture.height() / 20);
}

} // namespace

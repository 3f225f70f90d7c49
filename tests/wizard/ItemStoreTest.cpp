// The item record store: one record per absolute path, indexes that never
// change, and the first kind kept; also while gathering threads overlap.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/files/GetFolderItem.h"
#include "platform/threads/Thread.h"
#include "tests/wizard/WizardTest.h"

namespace {

class ItemStoreTest : public WizardTest {
protected:
    FolderItem Gathered(const std::string& relative) { return device.Folder(relative); }
};

TEST_F(ItemStoreTest, IndexesCountFromZeroInRegistrationOrder) {
    auto wizard = Window1::Instance();
    EXPECT_EQ(wizard->AddFIlist(Gathered("Applications/Solvane"), "AD"), 0);
    EXPECT_EQ(wizard->AddFIlist(Gathered("Preferences/Solvane"), "P"), 1);
    EXPECT_EQ(wizard->AddFIlist(Gathered("Documents/Solvane"), "DD"), 2);
    ASSERT_EQ(wizard->pFI.size(), 3u);
    EXPECT_EQ(wizard->pFI[1].item.AbsolutePath().ToUTF8(), device.Path("Preferences/Solvane"));
    EXPECT_EQ(wizard->pFI[1].kind.ToUTF8(), "P");
    for (const auto& record : wizard->pFI)
        EXPECT_FALSE(record.used);
}

TEST_F(ItemStoreTest, ASecondRegistrationKeepsTheFirstRecordAndItsKind) {
    auto wizard = Window1::Instance();
    wizard->AddFIlist(Gathered("Applications/Kelmo"), "AD");
    const FolderItem documents = Gathered("Documents/Shared");
    EXPECT_EQ(wizard->AddFIlist(documents, "DD"), 1);
    wizard->pFI[1].used = true;

    EXPECT_EQ(wizard->AddFIlist(documents, "D"), 1);
    // Another handle on the same folder, reached through its own path.
    EXPECT_EQ(wizard->AddFIlist(GetFolderItem(String(device.Path("Documents/Shared"))), "A"), 1);

    ASSERT_EQ(wizard->pFI.size(), 2u);
    EXPECT_EQ(wizard->pFI[1].kind.ToUTF8(), "DD");
    EXPECT_TRUE(wizard->pFI[1].used);
}

TEST_F(ItemStoreTest, AMissingItemIsRefusedWithoutHarm) {
    auto wizard = Window1::Instance();
    EXPECT_THROW(wizard->AddFIlist(FolderItem(), "A"), NilObjectException);
    EXPECT_TRUE(wizard->pFI.empty());
}

// A gathering run: registers its items in order and keeps the indexes it got.
class Registrar : public Thread {
public:
    Registrar(Window1& wizard, std::vector<FolderItem> items) : wizard_(wizard), items_(items) {}

    std::vector<int> indexes;
    bool done = false;

protected:
    void Event_Run() override {
        for (const auto& item : items_)
            indexes.push_back(wizard_.AddFIlist(item, "P"));
        done = true;
    }

private:
    Window1& wizard_;
    std::vector<FolderItem> items_;
};

TEST_F(ItemStoreTest, OverlappingRunsStoreEachPathOnceAndAgreeOnIndexes) {
    auto wizard = Window1::Instance();
    for (int i = 0; i < 20; ++i)
        wizard->AddFIlist(Gathered("Old/" + std::to_string(i)), "AD");
    std::vector<FolderItem> shared;
    for (int i = 0; i < 10; ++i)
        shared.push_back(Gathered("New/" + std::to_string(i)));
    const std::vector<FolderItem> reversed(shared.rbegin(), shared.rend());

    auto forward = std::make_shared<Registrar>(*wizard, shared);
    auto backward = std::make_shared<Registrar>(*wizard, reversed);
    forward->Run();
    backward->Run();
    ASSERT_TRUE(RunEventLoopUntil([&] { return forward->done && backward->done; }));

    ASSERT_EQ(wizard->pFI.size(), 30u);
    for (std::size_t i = 0; i < shared.size(); ++i) {
        const int index = forward->indexes[i];
        EXPECT_EQ(backward->indexes[shared.size() - 1 - i], index);
        EXPECT_EQ(wizard->pFI[index].item.AbsolutePath(), shared[i].AbsolutePath());
    }
}

} // namespace

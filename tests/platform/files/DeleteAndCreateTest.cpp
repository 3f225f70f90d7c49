// Deleting never reaches through a link; creating a folder that is there is
// no failure; every real failure says which path and why.

#include "platform/files/FolderItem.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::set<std::string> RawEntries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Deletes a folder the way the application's helper does: contents first,
// walking Count and Item, then the folder itself.
void DeleteWithContents(const FolderItem& folder, std::vector<FolderItem>& order) {
    for (int i = 1; i <= folder.Count(); ++i) {
        const FolderItem child = folder.Item(i);
        if (child.Directory())
            DeleteWithContents(child, order);
        else
            order.push_back(child);
    }
    order.push_back(folder);
}

TEST(Delete, RemovesALinkToAFolderButNotTheFolder) {
    FakeMacDisk disk;
    disk.File("Data/keep.txt", "precious");
    const FolderItem link = disk.SymbolicLink("Link", disk.Path("Data"));

    EXPECT_FALSE(link.Directory());
    EXPECT_TRUE(link.Delete());

    EXPECT_FALSE(fs::exists(fs::symlink_status(disk.Path("Link"))));
    EXPECT_EQ(ContentsOf(disk.Path("Data/keep.txt")), "precious");
}

TEST(Delete, AWholeTreeWalkedByItemLeavesWhatLinksPointAtAlone) {
    FakeMacDisk disk;
    disk.File("Outside/keep.txt", "precious");
    disk.TypedFile("Tree/doc", "TEXT", "qWt1", Storage::AppleDouble);
    disk.Folder("Tree/empty");
    disk.File("Tree/sub/file");
    disk.SymbolicLink("Tree/sub/to-outside", disk.Path("Outside"));
    disk.File("Tree/.DS_Store");

    std::vector<FolderItem> order;
    DeleteWithContents(disk.Item("Tree"), order);
    for (const auto& item : order)
        EXPECT_TRUE(item.Delete()) << item.LastError().ToUTF8();

    EXPECT_FALSE(fs::exists(disk.Path("Tree")));
    EXPECT_EQ(RawEntries(disk.Path("Outside")), (std::set<std::string>{"keep.txt"}));
}

TEST(Delete, TakesAFilesCompanionAlong) {
    FakeMacDisk disk;
    const FolderItem doc = disk.TypedFile("doc", "TEXT", "qWt1", Storage::AppleDouble);

    EXPECT_TRUE(doc.Delete());

    EXPECT_TRUE(RawEntries(disk.Path()).empty());
}

TEST(Delete, RemovesAFolderLeftWithOnlyCompanions) {
    FakeMacDisk disk;
    disk.File("Box/._gone");
    disk.File("Box/._.");

    EXPECT_TRUE(disk.Item("Box").Delete());
    EXPECT_FALSE(fs::exists(disk.Path("Box")));
}

TEST(Delete, RefusesAFolderWithContentsAndSaysWhy) {
    FakeMacDisk disk;
    disk.File("Box/._companion");
    disk.File("Box/item");
    const FolderItem box = disk.Item("Box");

    EXPECT_FALSE(box.Delete());

    EXPECT_EQ(box.LastError().ToUTF8(),
              "「" + disk.Path("Box") + "」：フォルダが空ではありません。");
    EXPECT_EQ(RawEntries(disk.Path("Box")), (std::set<std::string>{"._companion", "item"}));
}

TEST(Delete, OfAMissingItemFailsWithAReason) {
    FakeMacDisk disk;
    const FolderItem missing = disk.Item("missing");

    EXPECT_FALSE(missing.Delete());
    EXPECT_EQ(missing.LastError().ToUTF8(), "「" + disk.Path("missing") + "」：見つかりません。");
}

TEST(CreateAsFolder, SucceedsWhenTheFolderIsAlreadyThere) {
    FakeMacDisk disk;
    const FolderItem folder = disk.Item("temp");

    EXPECT_TRUE(folder.CreateAsFolder());
    EXPECT_TRUE(folder.CreateAsFolder());
    EXPECT_TRUE(folder.Directory());
    EXPECT_TRUE(folder.LastError().IsEmpty());
}

TEST(CreateAsFolder, FailsWithAReasonWhereItCantBeMade) {
    FakeMacDisk disk;
    disk.File("file");
    const FolderItem overFile = disk.Item("file");
    const FolderItem underMissing = FolderItem::AtPosixPath(disk.Path("missing/folder"));

    EXPECT_FALSE(overFile.CreateAsFolder());
    EXPECT_EQ(overFile.LastError().ToUTF8(),
              "「" + disk.Path("file") + "」：同じ名前のアイテムがすでにあります。");
    EXPECT_FALSE(underMissing.CreateAsFolder());
    EXPECT_EQ(underMissing.LastError().ToUTF8(),
              "「" + disk.Path("missing/folder") + "」：見つかりません。");
}

TEST(CreateAsFolder, IsSeenAtOnceByTheParentsListing) {
    FakeMacDisk disk;
    const FolderItem root = disk.Root();
    ASSERT_EQ(root.Count(), 0);

    root.Child("App").CreateAsFolder();
    root.Child("Pref").CreateAsFolder();

    EXPECT_EQ(root.Count(), 2);
}

} // namespace

// Item and Count list a folder as an HFS+ disk lists it, cheaply and afresh.

#include "platform/files/FolderItem.h"
#include "platform/files/FolderListing.h"
#include "platform/files/ListingCache.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ProcessorTime.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> Names(const FolderItem& folder) {
    std::vector<std::string> names;
    for (int i = 1; i <= folder.Count(); ++i)
        names.push_back(folder.Item(i).Name().ToUTF8());
    return names;
}

TEST(Listing, OrdersNamesIgnoringCaseAndNormalisation) {
    FakeMacDisk disk;
    for (const char* name : {"b", "Zeta", "a", "_under", "Apple", "\xC3\xA9t\xC3\xA9", "eta", "10",
                             "9", "e\xCC\x81tude"})
        disk.File(name);

    // Lower-cased: "_" (0x5F) comes before letters; "é" decomposes to "e" + accent.
    EXPECT_EQ(Names(disk.Root()),
              (std::vector<std::string>{"10", "9", "_under", "a", "Apple", "b", "eta",
                                        "\xC3\xA9t\xC3\xA9", "e\xCC\x81tude", "Zeta"}));
}

TEST(Listing, LeavesOutAppleDoubleCompanionsButKeepsDotFiles) {
    FakeMacDisk disk;
    disk.TypedFile("Notes", "TEXT", "qWt1", Storage::AppleDouble);
    disk.File("._orphan");
    disk.File(".DS_Store");

    EXPECT_EQ(Names(disk.Root()), (std::vector<std::string>{".DS_Store", "Notes"}));
}

TEST(Listing, ItemOutsideTheListIsNil) {
    FakeMacDisk disk;
    disk.File("only");

    EXPECT_EQ(disk.Root().Item(0), Nil);
    EXPECT_EQ(disk.Root().Item(2), Nil);
    EXPECT_EQ(disk.Item("only").Item(1), Nil);
    EXPECT_EQ(disk.Item("only").Count(), 0);
    EXPECT_EQ(disk.Item("missing").Count(), 0);
}

TEST(Listing, TellsAnEmptyFolderFromOneThatCannotBeListed) {
    FakeMacDisk disk;
    disk.Folder("empty");
    disk.File("file");
    disk.File("full/inside");
    disk.SymbolicLink("link", disk.Path("full"));
    ASSERT_EQ(mkfifo(disk.Path("pipe").c_str(), 0600), 0);

    EXPECT_EQ(disk.Item("empty").ListingError(), String(""));
    // Nothing walks through a link, and a pipe is never waited on.
    for (const char* name : {"file", "missing", "link", "pipe"}) {
        const FolderItem item = disk.Item(name);
        EXPECT_EQ(item.Count(), 0);
        EXPECT_TRUE(
            item.ListingError().ToUTF8().starts_with("「" + item.AbsolutePath().ToUTF8() + "」："))
            << name;
    }
}

TEST(Listing, SeesEntriesMadeAndRemovedBehindItsBack) {
    FakeMacDisk disk;
    disk.File("first");
    const FolderItem root = disk.Root();
    ASSERT_EQ(root.Count(), 1);

    std::filesystem::create_directory(disk.Path("second"));
    EXPECT_EQ(Names(root), (std::vector<std::string>{"first", "second"}));

    std::filesystem::rename(disk.Path("first"), disk.Path("third"));
    EXPECT_EQ(Names(root), (std::vector<std::string>{"second", "third"}));

    std::filesystem::remove(disk.Path("second"));
    EXPECT_EQ(Names(root), (std::vector<std::string>{"third"}));
}

// A change within the clock tick of the listing may leave the folder's times as
// they were, so such a listing is never handed out again; an older one is.
TEST(Listing, IsReusedOnlyWhenReadAClockTickAfterTheFolderChanged) {
    const struct {
        const char* name;
        std::chrono::milliseconds wait;
        bool reused;
    } rows[] = {{"ListedInTheTickOfTheChange", {}, false},
                {"ListedAfterTheTick", std::chrono::milliseconds(120), true}};
    for (const auto& row : rows) {
        FakeMacDisk disk;
        disk.File("Box/a");
        std::this_thread::sleep_for(row.wait);
        const FolderItem box = disk.Item("Box");
        ASSERT_EQ(box.Count(), 1) << row.name;
        const auto stored = files::ListingCache::Instance().Peek(box.AbsolutePath().ToUTF8());
        EXPECT_EQ(stored.has_value(), row.reused) << row.name;
    }
}

// A folder found current in a slice of the cooperative threads is not looked
// at again in that slice; in the next one, outside any, or once the layer
// changed it, it is.
TEST(Listing, IsTakenAsCurrentOnlyForTheRestOfTheSliceThatFoundIt) {
    files::ListingCache& cache = files::ListingCache::Instance();
    const std::string path = "/no such folder/turns";
    const files::FolderStamp stamp{1, 2, 3, 4};
    const auto listing =
        std::make_shared<const files::FolderListing>(path, std::vector<files::ListedEntry>{});
    cache.Store(path, stamp, false, 6, listing);
    EXPECT_EQ(cache.FoundInSlice(path, 6), listing); // read in that slice
    EXPECT_EQ(cache.FoundInSlice(path, 7), nullptr);
    EXPECT_EQ(cache.Find(path, stamp, 7), listing);
    EXPECT_EQ(cache.FoundInSlice(path, 7), listing);
    EXPECT_EQ(cache.FoundInSlice(path, 8), nullptr);
    cache.Confirm(path, files::FolderStamp{1, 2, 3, 5}, 8);
    EXPECT_EQ(cache.FoundInSlice(path, 8), nullptr);
    EXPECT_EQ(cache.Find(path, stamp, 0), listing);
    EXPECT_EQ(cache.FoundInSlice(path, 0), nullptr);
    cache.Confirm(path, stamp, 9);
    files::FolderListing::Forget(path);
    EXPECT_EQ(cache.FoundInSlice(path, 9), nullptr);
    cache.Store(path, stamp, true, 10, listing);
    cache.Confirm(path, stamp, 10);
    EXPECT_EQ(cache.FoundInSlice(path, 10), nullptr);
    cache.Erase(path);
}

// A folder asked again and again in its slice stays kept while many others
// are read: being found counts as being used.
TEST(Listing, AFolderFoundInItsSliceIsNotTheFirstToBeDropped) {
    files::ListingCache& cache = files::ListingCache::Instance();
    const files::FolderStamp stamp{1, 2, 3, 4};
    const auto store = [&](const std::string& path) {
        cache.Store(
            path, stamp, false, 1,
            std::make_shared<const files::FolderListing>(path, std::vector<files::ListedEntry>{}));
    };
    store("/no such folder/asked");
    for (int i = 0; i < 200; ++i) {
        ASSERT_NE(cache.FoundInSlice("/no such folder/asked", 1), nullptr) << i;
        store("/no such folder/other " + std::to_string(i));
    }
    cache.Erase("/no such folder/asked");
    for (int i = 0; i < 200; ++i)
        cache.Erase("/no such folder/other " + std::to_string(i));
}

TEST(Listing, SeesAFolderReplacedByAnotherOfTheSameName) {
    FakeMacDisk disk;
    disk.File("Box/old");
    ASSERT_EQ(disk.Item("Box").Count(), 1);

    std::filesystem::rename(disk.Path("Box"), disk.Path("Gone"));
    disk.File("Box/new1");
    disk.File("Box/new2");

    EXPECT_EQ(Names(disk.Item("Box")), (std::vector<std::string>{"new1", "new2"}));
}

TEST(Listing, ALoopReadingCountOnEveryPassStaysLinear) {
    FakeMacDisk disk;
    for (int i = 0; i < 10'000; ++i)
        std::ofstream(disk.Path("entry" + std::to_string(i)));
    const FolderItem root = disk.Root();

    // Re-reading 10,000 names on every pass would take minutes.
    const double startMs = ThreadProcessorMs();
    int visited = 0;
    for (int i = 1; i <= root.Count(); ++i)
        visited += root.Item(i) != Nil;

    EXPECT_EQ(visited, 10'000);
    EXPECT_LT(ThreadProcessorMs() - startMs, 5000);
}

TEST(Listing, CopesWithNamesThatAreNotUTF8AndEntriesThatVanish) {
    FakeMacDisk disk;
    const std::string latin1 = "caf\xE9"; // "café" written by an old Latin-1 system
    disk.File(latin1, "x");
    disk.SymbolicLink("dangling", "nowhere");

    const FolderItem root = disk.Root();
    ASSERT_EQ(root.Count(), 2);
    const FolderItem odd = root.Item(1);
    EXPECT_EQ(odd.Name().Bytes(), latin1);
    EXPECT_FALSE(odd.Exists()); // passed over like a missing entry
    EXPECT_EQ(root.Child(String::FromBytes(latin1)).AbsolutePath().Bytes(), disk.Path(latin1));

    const FolderItem dangling = root.Item(2);
    EXPECT_TRUE(dangling.Exists());
    EXPECT_FALSE(dangling.Directory());
    EXPECT_EQ(dangling.MacType().ToUTF8(), "");

    std::filesystem::remove(disk.Path("dangling"));
    EXPECT_FALSE(dangling.Exists());
    EXPECT_EQ(dangling.MacType().ToUTF8(), "");
}

} // namespace

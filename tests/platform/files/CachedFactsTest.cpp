// What a cached folder listing tells about its entries (kind, type and
// creator, visibility) stays true to the disk: a change through the layer or
// one that changes the folder shows at once, Finder information changed
// behind the folder's back shows once it has aged out.

#include "platform/files/AppleDouble.h"
#include "platform/files/FinderInfo.h"
#include "platform/files/FolderItem.h"
#include "platform/files/FolderListing.h"
#include "platform/files/GetFolderItem.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Past the 50 ms in which a change may share a clock tick with a reading, so
// that the listing read next is kept and answers for its entries.
constexpr auto kSettle = std::chrono::milliseconds(70);

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string FinderInfoBytes(std::string_view typeCreator) {
    std::string bytes(typeCreator);
    bytes.resize(files::FinderInfo::kSize, '\0');
    return bytes;
}

// Lists the disk's root once its last change is old enough for the listing to be kept.
void ListSettled(const FakeMacDisk& disk) {
    std::this_thread::sleep_for(kSettle);
    disk.Root().Count();
    ASSERT_NE(files::FolderListing::Cached(disk.Path()), nullptr);
}

struct Facts {
    bool exists;
    bool directory;
    std::string type;
    std::string creator;
    bool visible;
};

Facts FactsOf(const FolderItem& item) {
    return Facts{item.Exists(), item.Directory(), item.MacType().ToUTF8(),
                 item.MacCreator().ToUTF8(), item.Visible()};
}

void ExpectFacts(const FolderItem& item, const Facts& expected) {
    const Facts actual = FactsOf(item);
    EXPECT_EQ(actual.exists, expected.exists);
    EXPECT_EQ(actual.directory, expected.directory);
    EXPECT_EQ(actual.type, expected.type);
    EXPECT_EQ(actual.creator, expected.creator);
    EXPECT_EQ(actual.visible, expected.visible);
}

struct Change {
    const char* label;
    void (*make)(FakeMacDisk& disk);
    void (*change)(FakeMacDisk& disk);
    Facts after;
};

void PrintTo(const Change& change, std::ostream* out) {
    *out << change.label;
}

void TypedDoc(FakeMacDisk& disk) {
    disk.TypedFile("Doc", "APPL", "qWt1");
}

void TypedDocInCompanion(FakeMacDisk& disk) {
    disk.TypedFile("Doc", "APPL", "qWt1", Storage::AppleDouble);
}

// Changes that replace, remove or add an entry change its folder; Finder
// information written through the layer makes the folder's listing forget.
const Change kSeenAtOnce[] = {
    {"DeletedFromOutside",
     TypedDoc,
     [](FakeMacDisk& d) { fs::remove(d.Path("Doc")); },
     {false, false, "", "", true}},
    {"DeletedThroughTheLayer",
     TypedDoc,
     [](FakeMacDisk& d) { d.Item("Doc").Delete(); },
     {false, false, "", "", true}},
    {"ReplacedByAFolder",
     TypedDoc,
     [](FakeMacDisk& d) {
         fs::remove(d.Path("Doc"));
         fs::create_directory(d.Path("Doc"));
     },
     {true, true, "fold", "MACS", true}},
    {"ReplacedByAnotherFileRenamedOverIt",
     [](FakeMacDisk& d) {
         TypedDoc(d);
         d.TypedFile("Other", "TEXT", "ttxt");
     },
     [](FakeMacDisk& d) { fs::rename(d.Path("Other"), d.Path("Doc")); },
     {true, false, "TEXT", "ttxt", true}},
    {"ReplacedByALinkToAFolder",
     TypedDoc,
     [](FakeMacDisk& d) {
         fs::remove(d.Path("Doc"));
         fs::create_directory(d.Path("Target"));
         fs::create_directory_symlink(d.Path("Target"), d.Path("Doc"));
     },
     {true, false, "", "", true}},
    {"AttributeWrittenThroughTheLayer",
     TypedDoc,
     [](FakeMacDisk& d) { d.SetFinderInfo("Doc", "PDF ", "prvw"); },
     {true, false, "PDF ", "prvw", true}},
    {"CompanionWrittenThroughTheLayer",
     TypedDocInCompanion,
     [](FakeMacDisk& d) { d.SetFinderInfo("Doc", "PDF ", "prvw", 0, Storage::AppleDouble); },
     {true, false, "PDF ", "prvw", true}},
    {"MadeInvisibleThroughTheLayer",
     TypedDoc,
     [](FakeMacDisk& d) { d.SetInvisible("Doc"); },
     {true, false, "APPL", "qWt1", false}},
    {"CompanionAddedFromOutside",
     [](FakeMacDisk& d) { d.File("Doc"); },
     [](FakeMacDisk& d) {
         WriteFile(d.Path("._Doc"),
                   files::MinimalAppleDouble(files::FinderInfo::ForFile("TEXT", "qWt4")));
     },
     {true, false, "TEXT", "qWt4", true}},
    {"CompanionRemovedFromOutside",
     TypedDocInCompanion,
     [](FakeMacDisk& d) { fs::remove(d.Path("._Doc")); },
     {true, false, "", "", true}},
};

// Finder information changed in place leaves the folder as it was.
const Change kSeenOnceAgedOut[] = {
    {"AttributeSetFromOutside",
     TypedDoc,
     [](FakeMacDisk& d) {
         SetAttribute(d.Path("Doc"), "user.com.apple.FinderInfo", FinderInfoBytes("PDF prvw"));
     },
     {true, false, "PDF ", "prvw", true}},
    {"CompanionRewrittenInPlaceFromOutside",
     TypedDocInCompanion,
     [](FakeMacDisk& d) {
         WriteFile(d.Path("._Doc"),
                   files::MinimalAppleDouble(files::FinderInfo::ForFile("PDF ", "prvw")));
     },
     {true, false, "PDF ", "prvw", true}},
};

class SeenAtOnce : public testing::TestWithParam<Change> {};

TEST_P(SeenAtOnce, ByAnItemOfACachedFolder) {
    FakeMacDisk disk;
    GetParam().make(disk);
    ListSettled(disk);
    const FolderItem doc = disk.Root().Child("Doc");
    FactsOf(doc); // what the listing knew, read before the change

    GetParam().change(disk);

    ExpectFacts(doc, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Changes, SeenAtOnce, testing::ValuesIn(kSeenAtOnce),
                         [](const auto& info) { return std::string(info.param.label); });

class SeenOnceAgedOut : public testing::TestWithParam<Change> {};

TEST_P(SeenOnceAgedOut, ByAnItemOfACachedFolder) {
    FakeMacDisk disk;
    GetParam().make(disk);
    ListSettled(disk);
    const FolderItem doc = disk.Root().Child("Doc");
    ASSERT_EQ(doc.MacType().ToUTF8(), "APPL");

    GetParam().change(disk);
    std::this_thread::sleep_for(files::FolderListing::kFinderInfoLifetime +
                                std::chrono::milliseconds(10));

    ExpectFacts(doc, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Changes, SeenOnceAgedOut, testing::ValuesIn(kSeenOnceAgedOut),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(CachedFacts, TellEachKindOfEntryApart) {
    FakeMacDisk disk;
    disk.TypedFile("file", "TEXT", "ttxt");
    disk.Folder("folder");
    disk.SymbolicLink("link to folder", disk.Path("folder"));
    disk.SymbolicLink("dangling", "nowhere");
    ListSettled(disk);
    const FolderItem root = disk.Root();

    ExpectFacts(root.Child("file"), {true, false, "TEXT", "ttxt", true});
    ExpectFacts(root.Child("folder"), {true, true, "fold", "MACS", true});
    ExpectFacts(root.Child("link to folder"), {true, false, "", "", true});
    ExpectFacts(root.Child("dangling"), {true, false, "", "", true});
    ExpectFacts(root.Child("missing"), {false, false, "", "", true});
}

TEST(CachedFacts, LeaveEntriesTheListingDoesNotHoldToTheDisk) {
    FakeMacDisk disk;
    disk.TypedFile("Doc", "TEXT", "ttxt", Storage::AppleDouble);
    ListSettled(disk);

    // Companions are left out of the listing but are there all the same.
    EXPECT_TRUE(disk.Root().Child("._Doc").Exists());
    EXPECT_TRUE(disk.Item("._Doc").Exists());

    disk.File("Later");
    EXPECT_TRUE(disk.Root().Child("Later").Exists());
}

TEST(CachedFacts, ChildOfACachedFolderMatchesNamesAsTheDiskDoes) {
    FakeMacDisk disk;
    disk.AppBundle("Tool.app", "APPLqWt2", "Contents");
    disk.File("readme", "lower");
    disk.File("README", "upper");
    ListSettled(disk);
    const FolderItem root = disk.Root();

    EXPECT_EQ(root.Child("tool.APP").Name().ToUTF8(), "Tool.app");
    EXPECT_EQ(root.Child("README").Name().ToUTF8(), "README");
    EXPECT_EQ(root.Child("readme").Name().ToUTF8(), "readme");
    EXPECT_EQ(root.Child("Notes").AbsolutePath().ToUTF8(), disk.Path("Notes"));
    EXPECT_EQ(root.Child("Notes").Child("x"), Nil);
    EXPECT_EQ(root.Child("readme").Child("x"), Nil);
}

TEST(CachedFacts, OfADeletedFolderGiveNoChildren) {
    FakeMacDisk disk;
    disk.File("Box/inside");
    ListSettled(disk);
    const FolderItem box = disk.Root().Child("Box");
    ASSERT_EQ(box.Count(), 1);

    fs::remove_all(disk.Path("Box"));

    EXPECT_FALSE(box.Exists());
    EXPECT_EQ(box.Count(), 0);
    EXPECT_EQ(box.Child("inside"), Nil);
}

class NamesNotUTF8 : public testing::TestWithParam<bool> {};

// A file and a folder named in Latin-1 bytes, made as another system makes them.
TEST_P(NamesNotUTF8, ArePassedOverLikeMissingEntries) {
    FakeMacDisk disk;
    const std::string file = disk.Path("caf\xE9");
    const std::string folder = disk.Path("d\xE9j\xE0");
    const int fd = open(file.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    close(fd);
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    disk.File("plain");
    if (GetParam())
        ListSettled(disk);

    const FolderItem root = disk.Root();
    ASSERT_EQ(root.Count(), 3);
    int existing = 0;
    for (int i = 1; i <= root.Count(); ++i)
        existing += root.Item(i).Exists();
    EXPECT_EQ(existing, 1);
    EXPECT_FALSE(GetFolderItem(String::FromBytes(file)).Exists());
    EXPECT_FALSE(root.Child(String::FromBytes("caf\xE9")).Exists());
    // Still a folder, so that a tree holding it is removed whole.
    EXPECT_TRUE(FolderItem::AtPosixPath(folder).Directory());
}

INSTANTIATE_TEST_SUITE_P(Listings, NamesNotUTF8, testing::Bool(), [](const auto& info) {
    return info.param ? std::string("Cached") : std::string("Fresh");
});

} // namespace

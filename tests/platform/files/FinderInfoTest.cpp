// Type, creator and visibility come from the Finder information wherever a
// Mac or a Linux file server keeps it.

#include "platform/files/FinderInfo.h"
#include "platform/files/AppleDouble.h"
#include "platform/files/FolderItem.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"

#include <gtest/gtest.h>

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

std::string FinderInfoBytes(std::string_view typeCreator, std::uint16_t flags = 0) {
    std::string bytes(typeCreator);
    bytes += static_cast<char>(flags >> 8);
    bytes += static_cast<char>(flags & 0xFF);
    bytes.resize(32, '\0');
    return bytes;
}

// The 4096-byte companion macOS writes: "Mac OS X" filler, the Finder
// information followed by an ATTR block inside entry 9, resource fork last.
std::string MacOSCompanion(std::string_view typeCreator) {
    std::string blob = Bytes({0, 5, 0x16, 7, 0, 2, 0, 0}) + "Mac OS X        " + Bytes({0, 2});
    blob += Bytes({0, 0, 0, 9, 0, 0, 0, 50, 0, 0, 0x0E, 0xB0});
    blob += Bytes({0, 0, 0, 2, 0, 0, 0x0E, 0xE2, 0, 0, 1, 0x1E});
    blob += FinderInfoBytes(typeCreator);
    blob += std::string("\0\0ATTR", 6);
    blob.resize(4096, '\0');
    return blob;
}

struct StoredInfo {
    const char* label;
    void (*store)(FakeMacDisk& disk, const std::string& name);
};

void PrintTo(const StoredInfo& value, std::ostream* out) {
    *out << value.label;
}

const StoredInfo kStorages[] = {
    {"UserAttribute",
     [](FakeMacDisk& disk, const std::string& name) {
         disk.File(name);
         SetAttribute(disk.Path(name), "user.com.apple.FinderInfo", FinderInfoBytes("APPLqWt1"));
     }},
    {"AppleDoubleCompanion",
     [](FakeMacDisk& disk, const std::string& name) {
         disk.TypedFile(name, "APPL", "qWt1", Storage::AppleDouble);
     }},
    {"MacOSCompanion",
     [](FakeMacDisk& disk, const std::string& name) {
         disk.File(name);
         disk.File("._" + name, MacOSCompanion("APPLqWt1"));
     }},
    {"NetatalkMetadata",
     [](FakeMacDisk& disk, const std::string& name) {
         disk.File(name);
         SetAttribute(disk.Path(name), "user.org.netatalk.Metadata",
                      files::MinimalAppleDouble(files::FinderInfo::ForFile("APPL", "qWt1")));
     }},
    {"ZeroAttributeThenCompanion",
     [](FakeMacDisk& disk, const std::string& name) {
         disk.TypedFile(name, "APPL", "qWt1", Storage::AppleDouble);
         SetAttribute(disk.Path(name), "user.com.apple.FinderInfo", std::string(32, '\0'));
     }},
};

class TypeAndCreator : public testing::TestWithParam<StoredInfo> {};

TEST_P(TypeAndCreator, AreReadFromWhereverTheyAreKept) {
    FakeMacDisk disk;
    GetParam().store(disk, "Solvane");

    const FolderItem file = disk.Item("Solvane");

    EXPECT_EQ(file.MacType().ToUTF8(), "APPL");
    EXPECT_EQ(file.MacCreator().ToUTF8(), "qWt1");
}

INSTANTIATE_TEST_SUITE_P(Storages, TypeAndCreator, testing::ValuesIn(kStorages),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(TypeAndCreator, AreEmptyWithoutFinderInformation) {
    FakeMacDisk disk;
    disk.File("plain");
    disk.File("zeroed");
    SetAttribute(disk.Path("zeroed"), "user.com.apple.FinderInfo", std::string(32, '\0'));
    disk.File("short");
    SetAttribute(disk.Path("short"), "user.com.apple.FinderInfo", "APPLqWt1");

    for (const char* name : {"plain", "zeroed", "short", "missing"}) {
        EXPECT_EQ(disk.Item(name).MacType().ToUTF8(), "") << name;
        EXPECT_EQ(disk.Item(name).MacCreator().ToUTF8(), "") << name;
    }
}

TEST(TypeAndCreator, OfAFolderOrBundleAreFoldAndMACS) {
    FakeMacDisk disk;
    disk.AppBundle("Tool.app", "APPLqWt2");
    disk.SetFinderInfo("Tool.app", "XXXX", "YYYY");

    EXPECT_EQ(disk.Item("Tool.app").MacType().ToUTF8(), "fold");
    EXPECT_EQ(disk.Item("Tool.app").MacCreator().ToUTF8(), "MACS");
}

TEST(AppleDouble, DamagedCompanionsHoldNoFinderInformation) {
    const std::string sound = files::MinimalAppleDouble(files::FinderInfo::ForFile("TEXT", "qWt1"));
    std::string beyondEnd = sound;
    beyondEnd[33] = 90; // entry 9 starts at 90, 32 bytes past the end
    std::string tooManyEntries = sound;
    tooManyEntries[25] = 100;
    std::string badMagic = sound;
    badMagic[3] = 0;

    for (const auto& blob : {sound.substr(0, 60), beyondEnd, badMagic, std::string("")})
        EXPECT_FALSE(files::FinderInfoFromAppleDouble(blob));
    // The Finder information entry comes first: the sound table is read before the bad count bites.
    EXPECT_TRUE(files::FinderInfoFromAppleDouble(tooManyEntries));
}

TEST(AppleDouble, MinimalCompanionIsThe82ByteFormEveryReaderAccepts) {
    const std::string blob = files::MinimalAppleDouble(files::FinderInfo::ForFile("TEXT", "qWt1"));

    EXPECT_EQ(blob.size(), 82u);
    EXPECT_EQ(blob.substr(0, 26),
              Bytes({0, 5, 0x16, 7, 0, 2, 0, 0}) + std::string(16, '\0') + Bytes({0, 2}));
    EXPECT_EQ(blob.substr(26, 24),
              Bytes({0, 0, 0, 9, 0, 0, 0, 50, 0, 0, 0, 32, 0, 0, 0, 2, 0, 0, 0, 82, 0, 0, 0, 0}));
    EXPECT_EQ(blob.substr(50, 8), "TEXTqWt1");
}

TEST(FinderInfoWriting, UpdatesAMacOSCompanionInPlace) {
    FakeMacDisk disk;
    disk.File("Doc");
    disk.File("._Doc", MacOSCompanion("TEXTqWt1"));

    disk.SetFinderInfo("Doc", "PDF ", "prvw", 0, Storage::AppleDouble);

    const std::string companion = ContentsOf(disk.Path("._Doc"));
    EXPECT_EQ(companion.size(), 4096u);
    EXPECT_EQ(companion.substr(50, 8), "PDF prvw");
    EXPECT_EQ(companion.substr(84, 4), "ATTR");
    EXPECT_EQ(disk.Item("Doc").MacType().ToUTF8(), "PDF ");
}

struct VisibilityCase {
    const char* label;
    void (*make)(FakeMacDisk& disk);
    const char* name;
    bool visible;
};

void PrintTo(const VisibilityCase& value, std::ostream* out) {
    *out << value.label;
}

const VisibilityCase kVisibility[] = {
    {"PlainFile", [](FakeMacDisk& d) { d.File("Notes"); }, "Notes", true},
    {"DotName", [](FakeMacDisk& d) { d.File(".hidden"); }, ".hidden", false},
    {"InvisibleFlagAttribute",
     [](FakeMacDisk& d) {
         d.TypedFile("Icon\r", "icon", "MACS");
         d.SetInvisible("Icon\r");
     },
     "Icon\r", false},
    {"InvisibleFlagCompanion",
     [](FakeMacDisk& d) {
         d.File("Secret");
         d.SetInvisible("Secret", Storage::AppleDouble);
     },
     "Secret", false},
    {"InvisibleFolder",
     [](FakeMacDisk& d) {
         d.Folder("Private");
         d.SetInvisible("Private");
     },
     "Private", false},
    {"OtherFlagsOnly", [](FakeMacDisk& d) { d.TypedFile("Shown", "TEXT", "ttxt"); }, "Shown", true},
};

class Visibility : public testing::TestWithParam<VisibilityCase> {};

TEST_P(Visibility, FollowsTheDotAndTheInvisibleFlag) {
    FakeMacDisk disk;
    GetParam().make(disk);
    EXPECT_EQ(disk.Item(GetParam().name).Visible(), GetParam().visible);
}

INSTANTIATE_TEST_SUITE_P(Cases, Visibility, testing::ValuesIn(kVisibility),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(Visibility, InvisibleFlagKeepsTypeAndCreator) {
    FakeMacDisk disk;
    disk.TypedFile("Hidden app", "APPL", "qWt3");
    disk.SetInvisible("Hidden app");

    EXPECT_FALSE(disk.Item("Hidden app").Visible());
    EXPECT_EQ(disk.Item("Hidden app").MacType().ToUTF8(), "APPL");
    EXPECT_EQ(disk.Item("Hidden app").MacCreator().ToUTF8(), "qWt3");
}

} // namespace

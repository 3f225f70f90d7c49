// Streams read what the file holds and nothing more: short reads at the end,
// never a crash or a huge allocation on a damaged file.

#include "platform/files/AppleDouble.h"
#include "platform/files/FolderItem.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScopedBlockingFile.h"
#include "tests/support/ScopedFileSizeLimit.h"
#include "tests/support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

class Streams : public testing::Test {
protected:
    BinaryStream OpenBinary(std::string_view contents) {
        return disk.File("data", contents).OpenAsBinaryFile(false);
    }
    FakeMacDisk disk;
};

TEST_F(Streams, ReadsPascalStringsAndBigEndianLongs) {
    BinaryStream stream =
        OpenBinary(Bytes({3, 'a', 'b', 'c', 0x00, 0x00, 0x01, 0x02, 0xFF, 0xFF, 0xFF, 0xFE, 0}));
    ASSERT_NE(stream, Nil);

    EXPECT_EQ(stream.ReadPString().Bytes(), "abc");
    EXPECT_EQ(stream.ReadLong(), 0x0102);
    EXPECT_EQ(stream.ReadLong(), -2);
    EXPECT_EQ(stream.ReadPString().Bytes(), "");
    EXPECT_TRUE(stream.EndOfFile());
}

TEST_F(Streams, GiveWhatIsThereWhenAReadRunsPastTheEnd) {
    BinaryStream stream = OpenBinary(Bytes({10, 'a', 'b'}));

    EXPECT_EQ(stream.Length(), 3);
    EXPECT_EQ(stream.ReadPString().Bytes(), "ab");
    EXPECT_TRUE(stream.EndOfFile());
    EXPECT_EQ(stream.ReadPString().Bytes(), "");
    EXPECT_EQ(stream.Read(5).Bytes(), "");
    EXPECT_EQ(stream.ReadLong(), 0);
}

TEST_F(Streams, CountTheMissingBytesOfALongAsZero) {
    BinaryStream stream = OpenBinary(Bytes({0x01, 0x02}));

    EXPECT_EQ(stream.ReadLong(), 0x01020000);
}

TEST_F(Streams, ReadOnlyWhatTheFileHoldsForADamagedCount) {
    BinaryStream stream = OpenBinary(Bytes({0x7F, 0xFF, 0xFF, 0xFF, 'x', 'y'}));

    const int count = stream.ReadLong();
    EXPECT_EQ(stream.Read(count).Bytes(), "xy");
    EXPECT_EQ(stream.Read(-1).Bytes(), "");
}

TEST_F(Streams, BytesComeWithoutAnEncoding) {
    BinaryStream stream = OpenBinary(Bytes({2, 0x82, 0xA0, 0x82, 0xA2}));

    EXPECT_EQ(stream.ReadPString().Encoding(), nullptr);
    EXPECT_EQ(stream.Read(2).Encoding(), nullptr);
}

TEST_F(Streams, WriteLongsInTheMacsByteOrder) {
    disk.File("data", "");
    BinaryStream stream = disk.Item("data").OpenAsBinaryFile(true);
    ASSERT_NE(stream, Nil);

    stream.WriteLong(0x01020304);
    stream.WriteLong(-2);
    stream.Write(String::FromBytes("end"));
    stream.Close();

    EXPECT_TRUE(stream.LastError().IsEmpty());
    EXPECT_EQ(ContentsOf(disk.Path("data")), Bytes({1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFE}) + "end");
}

TEST_F(Streams, AreNilWithAReasonWhenTheFileCantBeOpened) {
    disk.Folder("folder");
    const FolderItem missing = disk.Item("missing");
    const FolderItem folder = disk.Item("folder");

    EXPECT_EQ(missing.OpenAsBinaryFile(false), Nil);
    EXPECT_EQ(missing.LastError().ToUTF8(), "「" + disk.Path("missing") + "」：見つかりません。");
    EXPECT_EQ(missing.OpenAsTextFile(), Nil);
    EXPECT_EQ(folder.OpenAsBinaryFile(false), Nil);
    EXPECT_EQ(folder.LastError().ToUTF8(),
              "「" + disk.Path("folder") + "」：フォルダなので処理できません。");
    EXPECT_EQ(folder.OpenAsTextFile(), Nil);
    EXPECT_EQ(folder.CreateTextFile(), Nil);
}

TEST_F(Streams, AreNilWithoutWaitingForAFileThatIsNoRegularFile) {
    ASSERT_EQ(mkfifo(disk.Path("pipe").c_str(), 0644), 0);
    disk.SymbolicLink("zero", "/dev/zero");
    for (const char* name : {"pipe", "zero"}) {
        const FolderItem item = disk.Item(name);
        EXPECT_EQ(item.OpenAsTextFile(), Nil) << name;
        EXPECT_EQ(item.OpenAsBinaryFile(false), Nil) << name;
        EXPECT_NE(item.LastError().ToUTF8().find(disk.Path(name)), std::string::npos) << name;
    }
}

// Every reader: the text and binary streams, and the head of an AppleDouble
// companion (a disk root's "._." too).
TEST_F(Streams, TakeARegularFileThatWouldMakeThemWaitAsUnreadableAtOnce) {
    const FolderItem file = disk.File("PkgInfo", "APPLqWts\n");
    const std::string reason =
        "「" + disk.Path("PkgInfo") + "」：すぐに読み出せないファイルなので読めません。";
    const ScopedBlockingFile blocking(disk.Path("PkgInfo"));
    const auto start = std::chrono::steady_clock::now();

    TextInputStream text = file.OpenAsTextFile();
    ASSERT_NE(text, Nil);
    EXPECT_EQ(text.ReadLine().ToUTF8(), "");
    EXPECT_TRUE(text.EndOfFile());
    EXPECT_EQ(text.LastError().ToUTF8(), reason);
    BinaryStream binary = file.OpenAsBinaryFile(false);
    ASSERT_NE(binary, Nil);
    EXPECT_EQ(binary.Read(8).Bytes(), "");
    EXPECT_TRUE(binary.EndOfFile());
    EXPECT_EQ(binary.LastError().ToUTF8(), reason);
    EXPECT_EQ(files::ReadAppleDoubleHead(disk.Path("PkgInfo")), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              std::chrono::milliseconds(ScopedBlockingFile::kWaitMs));
}

TEST_F(Streams, ReadNoMoreThanTheSizeTheFileHadWhenOpened) {
    // A file of procfs tells the size 0 and still gives its lines.
    disk.SymbolicLink("status", "/proc/self/status");

    TextInputStream text = disk.Item("status").OpenAsTextFile();
    ASSERT_NE(text, Nil);
    EXPECT_TRUE(text.EndOfFile());
    EXPECT_EQ(text.ReadLine().ToUTF8(), "");
    EXPECT_EQ(files::ReadAppleDoubleHead(disk.Path("status")), "");
}

struct LineCase {
    const char* label;
    const char* contents;
    std::vector<std::string> lines;
};

void PrintTo(const LineCase& value, std::ostream* out) {
    *out << value.label;
}

const LineCase kLines[] = {
    {"Unix", "APPLqWts\nsecond\n", {"APPLqWts", "second"}},
    {"Windows", "APPLqWts\r\nsecond", {"APPLqWts", "second"}},
    {"ClassicMac", "APPLqWts\rsecond\r", {"APPLqWts", "second"}},
    {"EmptyLines", "a\n\n\r\rb", {"a", "", "", "", "b"}},
    {"NoLineEnd", "APPLqWts", {"APPLqWts"}},
    {"Empty", "", {}},
};

class TextLines : public testing::TestWithParam<LineCase> {};

TEST_P(TextLines, EndAtAnyOfTheThreeLineEnds) {
    FakeMacDisk disk;
    TextInputStream stream = disk.File("PkgInfo", GetParam().contents).OpenAsTextFile();
    ASSERT_NE(stream, Nil);

    std::vector<std::string> lines;
    while (!stream.EndOfFile())
        lines.push_back(stream.ReadLine().ToUTF8());

    EXPECT_EQ(lines, GetParam().lines);
    EXPECT_EQ(stream.ReadLine().ToUTF8(), "");
}

INSTANTIATE_TEST_SUITE_P(Files, TextLines, testing::ValuesIn(kLines),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(TextFiles, ALineLongerThanTheLimitReadsAsNothingAndEndsTheStream) {
    FakeMacDisk disk;
    TextInputStream fits = disk.File("fits", "APPLqWts\nnext").OpenAsTextFile();
    TextInputStream longer = disk.File("longer", "APPLqWtsX\nnext").OpenAsTextFile();

    EXPECT_EQ(fits.ReadLine(8).ToUTF8(), "APPLqWts");
    EXPECT_EQ(longer.ReadLine(8).ToUTF8(), "");
    EXPECT_TRUE(longer.EndOfFile());
}

TEST(TextFiles, CreateTextFileEmptiesAFileThatIsThere) {
    FakeMacDisk disk;
    disk.File("CopyDone", "old contents");

    TextOutputStream stream = disk.Item("CopyDone").CreateTextFile();
    ASSERT_NE(stream, Nil);
    stream.Close();

    EXPECT_EQ(ContentsOf(disk.Path("CopyDone")), "");
}

TEST(TextFiles, AreNeverCreatedThroughALinkedFolder) {
    FakeMacDisk disk;
    disk.Folder("real");
    disk.SymbolicLink("linked", disk.Path("real"));

    EXPECT_EQ(disk.Item("linked/CopyDone").CreateTextFile(), Nil);
    EXPECT_EQ(NamesIn(disk.Path("real")), std::vector<std::string>{});
}

// A file written anew takes the place of the old one only once it is written whole.
TEST(TextFiles, AWriteThatFailsLeavesTheFileAsItWas) {
    FakeMacDisk disk;
    disk.File("Mark", "the last record");
    {
        const ScopedFileSizeLimit limit(4);
        TextOutputStream stream = disk.Item("Mark").CreateTextFile();
        ASSERT_NE(stream, Nil);
        stream.WriteLine("a record longer than the disk takes");
        stream.Close();
        EXPECT_NE(stream.LastError(), "");
    }
    EXPECT_EQ(ContentsOf(disk.Path("Mark")), "the last record");
    EXPECT_EQ(NamesIn(disk.Path("")), std::vector<std::string>{"Mark"});
}

TEST(TextFiles, ClosedStreamsReadNothing) {
    FakeMacDisk disk;
    TextInputStream text = disk.File("a", "line\n").OpenAsTextFile();
    BinaryStream binary = disk.Item("a").OpenAsBinaryFile(false);

    text.Close();
    binary.Close();

    EXPECT_EQ(text.ReadLine().ToUTF8(), "");
    EXPECT_TRUE(text.EndOfFile());
    EXPECT_EQ(binary.Read(4).Bytes(), "");
    EXPECT_TRUE(binary.EndOfFile());
}

} // namespace

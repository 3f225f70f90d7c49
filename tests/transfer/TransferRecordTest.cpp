// The mark of the transfer folder: what the copy writes, the paste reads.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FakeMacDisk.h"
#include "tests/support/ScopedBlockingFile.h"
#include "tests/support/ScopedFileSizeLimit.h"
#include "transfer/TransferRecord.h"

namespace {

TEST(TransferRecord, KeepsEveryNameWholeThroughTheMark) {
    FakeMacDisk device;
    device.Folder("temp");
    const FolderItem folder = device.Item("temp");
    // Line breaks and the escape sign itself must not split or change a name.
    const std::vector<std::string> names{".hidden", "100%25 done", "Icon\r", "two\nlines", "%"};
    TransferRecord written;
    for (const auto& name : names)
        written.Add("Doc", String(name));
    written.Add("Pref", String("Kelmo初期設定"));
    written.SetMachine("Macintosh HD:3029529600:/Users/taro\nsan");
    String reason;
    ASSERT_TRUE(written.Write(folder, reason)) << reason.ToUTF8();
    ASSERT_TRUE(HasTransferMark(folder));

    TransferRecord read;
    ASSERT_TRUE(read.Read(folder, reason)) << reason.ToUTF8();
    std::vector<std::string> doc;
    for (const String& name : read.NamesIn("Doc"))
        doc.push_back(name.ToUTF8());
    EXPECT_EQ(doc, names);
    ASSERT_EQ(read.NamesIn("Pref").size(), 1u);
    EXPECT_EQ(read.NamesIn("Pref")[0], String("Kelmo初期設定"));
    EXPECT_TRUE(read.NamesIn("App").empty());
    EXPECT_EQ(RecordedMachine(folder), String("Macintosh HD:3029529600:/Users/taro\nsan"));
}

TEST(TransferRecord, AMarkThatCantBeWrittenWholeLeavesTheLastOne) {
    FakeMacDisk device;
    device.Folder("temp");
    const FolderItem folder = device.Item("temp");
    TransferRecord first;
    first.Add("Doc", "Plan");
    String reason;
    ASSERT_TRUE(first.Write(folder, reason)) << reason.ToUTF8();
    TransferRecord longer;
    for (int i = 0; i < 100; ++i)
        longer.Add("Doc", "Letter " + Str(i));
    {
        // The device fills up while the new mark is written.
        const ScopedFileSizeLimit full(64);
        EXPECT_FALSE(longer.Write(folder, reason));
    }

    TransferRecord read;
    ASSERT_TRUE(read.Read(folder, reason)) << reason.ToUTF8();
    ASSERT_EQ(read.NamesIn("Doc").size(), 1u);
    EXPECT_EQ(read.NamesIn("Doc")[0], String("Plan"));
}

TEST(TransferRecord, AMarkThatWouldMakeTheReaderWaitIsUnreadableAndNamed) {
    FakeMacDisk device;
    device.Folder("temp");
    const FolderItem folder = device.Item("temp");
    TransferRecord written;
    written.Add("Doc", String("Plan"));
    String reason;
    ASSERT_TRUE(written.Write(folder, reason)) << reason.ToUTF8();
    const ScopedBlockingFile blocking(device.Path("temp/.dravo-transfer"));

    TransferRecord read;
    EXPECT_FALSE(read.Read(folder, reason));
    EXPECT_EQ(reason.ToUTF8(), "「" + device.Path("temp/.dravo-transfer") +
                                   "」：すぐに読み出せないファイルなので読めません。");
    EXPECT_TRUE(read.NamesIn("Doc").empty());
}

TEST(TransferRecord, AMarkLargerThanAnyCopyWritesIsAFailureNamingIt) {
    FakeMacDisk device;
    std::string lines;
    for (int i = 0; lines.size() <= 16 * 1024 * 1024; ++i)
        lines += "Doc/Letter " + std::to_string(i) + "\n";
    device.File("temp/.dravo-transfer", lines);

    TransferRecord read;
    String reason;
    EXPECT_FALSE(read.Read(device.Item("temp"), reason));
    EXPECT_EQ(reason.ToUTF8(), "「" + device.Path("temp/.dravo-transfer") +
                                   "」：ファイルが大きすぎるので読めません。");
    EXPECT_TRUE(read.NamesIn("Doc").empty());
}

} // namespace

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
    ASSERT_TRUE(written.Write(folder).Succeeded());
    ASSERT_TRUE(HasTransferMark(folder));

    TransferRecord read;
    ASSERT_TRUE(read.Read(folder).Succeeded());
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
    ASSERT_TRUE(first.Write(folder).Succeeded());
    TransferRecord longer;
    for (int i = 0; i < 100; ++i)
        longer.Add("Doc", "Letter " + Str(i));
    {
        // The device fills up while the new mark is written.
        const ScopedFileSizeLimit full(64);
        EXPECT_TRUE(longer.Write(folder).Failed());
    }

    TransferRecord read;
    ASSERT_TRUE(read.Read(folder).Succeeded());
    ASSERT_EQ(read.NamesIn("Doc").size(), 1u);
    EXPECT_EQ(read.NamesIn("Doc")[0], String("Plan"));
}

TEST(TransferRecord, AMarkThatWouldMakeTheReaderWaitIsUnreadableAndNamed) {
    FakeMacDisk device;
    device.Folder("temp");
    const FolderItem folder = device.Item("temp");
    TransferRecord written;
    written.Add("Doc", String("Plan"));
    ASSERT_TRUE(written.Write(folder).Succeeded());
    const ScopedBlockingFile blocking(device.Path("temp/.dravo-transfer"));

    TransferRecord read;
    const Outcome outcome = read.Read(folder);
    EXPECT_EQ(outcome.Reason().ToUTF8(), "「" + device.Path("temp/.dravo-transfer") +
                                             "」：すぐに読み出せないファイルなので読めません。");
    EXPECT_TRUE(read.NamesIn("Doc").empty());
}

TEST(TransferRecord, AMarkWithALineLongerThanAnyNameIsAFailureNotACutShortList) {
    FakeMacDisk device;
    device.File("temp/.dravo-transfer", "Doc/Plan\nDoc/" +
                                            std::string(TextInputStream::kLineLimit, 'x') +
                                            "\nDoc/Letter\n");

    TransferRecord read;
    const Outcome outcome = read.Read(device.Item("temp"));
    EXPECT_EQ(outcome.Reason().ToUTF8(),
              "「" + device.Path("temp/.dravo-transfer") + "」：行が長すぎるので読めません。");
    EXPECT_TRUE(read.NamesIn("Doc").empty());
}

TEST(TransferRecord, AMarkLargerThanAnyCopyWritesIsAFailureNamingIt) {
    FakeMacDisk device;
    std::string lines;
    for (int i = 0; lines.size() <= 16 * 1024 * 1024; ++i)
        lines += "Doc/Letter " + std::to_string(i) + "\n";
    device.File("temp/.dravo-transfer", lines);

    TransferRecord read;
    const Outcome outcome = read.Read(device.Item("temp"));
    EXPECT_EQ(outcome.Reason().ToUTF8(), "「" + device.Path("temp/.dravo-transfer") +
                                             "」：ファイルが大きすぎるので読めません。");
    EXPECT_TRUE(read.NamesIn("Doc").empty());
}

} // namespace

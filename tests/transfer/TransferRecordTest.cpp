// The mark of the transfer folder: what the copy writes, the paste reads.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FakeMacDisk.h"
#include "tests/support/ScopedBlockingFile.h"
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

} // namespace

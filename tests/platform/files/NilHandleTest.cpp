// Using a missing item or stream throws NilObjectException instead of crashing.

#include "platform/files/FolderItem.h"
#include "tests/support/FakeMacDisk.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct NilUse {
    const char* label;
    std::function<void()> use;
};

void PrintTo(const NilUse& value, std::ostream* out) {
    *out << value.label;
}

const FolderItem kNilItem;

const NilUse kUses[] = {
    {"Child", [] { kNilItem.Child("x"); }},
    {"Item", [] { kNilItem.Item(1); }},
    {"Count", [] { kNilItem.Count(); }},
    {"Exists", [] { kNilItem.Exists(); }},
    {"Directory", [] { kNilItem.Directory(); }},
    {"Visible", [] { kNilItem.Visible(); }},
    {"Name", [] { kNilItem.Name(); }},
    {"AbsolutePath", [] { kNilItem.AbsolutePath(); }},
    {"MacType", [] { kNilItem.MacType(); }},
    {"MacCreator", [] { kNilItem.MacCreator(); }},
    {"CopyFileTo", [] { kNilItem.CopyFileTo(kNilItem); }},
    {"Delete", [] { kNilItem.Delete(); }},
    {"SetPermissions", [] { kNilItem.SetPermissions(0700); }},
    {"CreateAsFolder", [] { kNilItem.CreateAsFolder(); }},
    {"CreateTextFile", [] { kNilItem.CreateTextFile(); }},
    {"OpenAsTextFile", [] { kNilItem.OpenAsTextFile(); }},
    {"OpenAsBinaryFile", [] { kNilItem.OpenAsBinaryFile(false); }},
    {"LastError", [] { kNilItem.LastError(); }},
    {"CopyFileToNilFolder",
     [] {
         FakeMacDisk disk;
         disk.File("a").CopyFileTo(FolderItem());
     }},
    {"BinaryStreamRead", [] { BinaryStream().ReadLong(); }},
    {"BinaryStreamClose", [] { BinaryStream().Close(); }},
    {"TextInputStreamReadLine", [] { TextInputStream().ReadLine(); }},
    {"TextOutputStreamWrite", [] { TextOutputStream().Write("x"); }},
};

class NilHandle : public testing::TestWithParam<NilUse> {};

TEST_P(NilHandle, ThrowsNilObjectException) {
    EXPECT_THROW(GetParam().use(), NilObjectException);
}

INSTANTIATE_TEST_SUITE_P(Uses, NilHandle, testing::ValuesIn(kUses),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(NilHandle, ComparesEqualToNilOnlyWhenMissing) {
    FakeMacDisk disk;
    EXPECT_EQ(FolderItem(), Nil);
    EXPECT_EQ(FolderItem(Nil), Nil);
    EXPECT_NE(disk.Root(), Nil);
    EXPECT_NE(disk.Item("not there"), Nil);
}

} // namespace

#include <gtest/gtest.h>

#include "tests/platform/alias/AliasTestSupport.h"
#include "tests/platform/alias/FakeVolumes.h"
#include "tests/support/prefs/AliasRecordWriter.h"

using testprefs::AliasFieldsFor;
using testprefs::AliasRecordBytes;
using testprefs::AliasRecordFields;
using testprefs::AliasTargetKind;

namespace {

const std::string ShoruiMac = "\x8F\x91\x97\xDE"; // "書類"

} // namespace

// Records as Mac OS X writes them, version 2 and 3.
class ResolveRecord : public FakeVolumes, public testing::WithParamInterface<int> {
protected:
    std::string Record(const std::string& volume, const std::string& path,
                       AliasTargetKind kind) const {
        return AliasRecordBytes(AliasFieldsFor(volume, path, kind, GetParam()));
    }
    AliasRecordFields Fields(const std::string& path,
                             AliasTargetKind kind = AliasTargetKind::Folder) const {
        return AliasFieldsFor("Data", path, kind, GetParam());
    }
};

TEST_P(ResolveRecord, FolderWithShiftJISNameOnAVolume) {
    Data().Folder("Projects/書類");
    const Resolution r = Resolve(Record("Data", "Projects/書類", AliasTargetKind::Folder));
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(r.Name(), ShoruiMac);
    EXPECT_EQ(CataloguePath(r.target.vRefNum, r.target.parID), "Data:Projects:");
}

TEST_P(ResolveRecord, FileInAShiftJISFolder) {
    Data().File("書類/notes.txt");
    const Resolution r = Resolve(Record("Data", "書類/notes.txt", AliasTargetKind::File));
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(r.Name(), "notes.txt");
    EXPECT_EQ(CataloguePath(r.target.vRefNum, r.target.parID), "Data:" + ShoruiMac + ":");
}

TEST_P(ResolveRecord, ItemInTheVolumeRootHasTheRootAsParent) {
    Data().Folder("Projects");
    const Resolution r = Resolve(Record("Data", "Projects", AliasTargetKind::Folder));
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(r.target.parID, 2);
    EXPECT_EQ(CataloguePath(r.target.vRefNum, r.target.parID), "Data:");
}

TEST_P(ResolveRecord, ItemOnTheStartupDisk) {
    StartupDisk().Folder("Users/taro/Documents");
    const Resolution r =
        Resolve(Record("Macintosh HD", "Users/taro/Documents", AliasTargetKind::Folder));
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(CataloguePath(r.target.vRefNum, r.target.parID), "Macintosh HD:Users:taro:");
}

TEST_P(ResolveRecord, ColonPathServesWhenThePosixPathIsStale) {
    Data().Folder("Projects/Docs");
    AliasRecordFields fields = Fields("Projects/Docs");
    fields.posixPath = "/Moved/Docs";
    const Resolution r = Resolve(AliasRecordBytes(fields));
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(CataloguePath(r.target.vRefNum, r.target.parID), "Data:Projects:");
}

TEST_P(ResolveRecord, ParentNameAndTargetNameServeWithoutPaths) {
    Data().Folder("Projects/Docs");
    AliasRecordFields fields = Fields("Projects/Docs");
    fields.posixPath.reset();
    fields.absolutePath.reset();
    const Resolution r = Resolve(AliasRecordBytes(fields));
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(r.Name(), "Docs");
}

TEST_P(ResolveRecord, NamesMatchRegardlessOfCaseAndNormalisation) {
    Data().Folder(
        "Projects/\xE3\x82\xAB\xE3\x82\x99\xE3\x82\xA4\xE3\x83\x89"); // decomposed "ガイド"
    const Resolution r = Resolve(Record("DATA", "projects/ガイド", AliasTargetKind::Folder));
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(r.Name(), "\x83\x4B\x83\x43\x83\x68"); // composed, as a Mac names it
}

TEST_P(ResolveRecord, ItemOfTheOtherKindIsNotTheTarget) {
    Data().Folder("Projects/Docs");
    Data().File("Projects/notes.txt");
    EXPECT_EQ(Resolve(Record("Data", "Projects/Docs", AliasTargetKind::File)).err, fnfErr);
    EXPECT_EQ(Resolve(Record("Data", "Projects/notes.txt", AliasTargetKind::Folder)).err, fnfErr);
}

TEST_P(ResolveRecord, NothingOnThisMachineIsNotResolved) {
    Data().Folder("Projects");
    EXPECT_EQ(Resolve(Record("Backup", "Projects", AliasTargetKind::Folder)).err, nsvErr);
    EXPECT_EQ(Resolve(Record("Data", "Projects/Gone", AliasTargetKind::Folder)).err, fnfErr);
}

TEST_P(ResolveRecord, PosixPathCannotLeaveTheVolume) {
    std::filesystem::create_directories(Outside());
    Data().Folder("Projects");
    AliasRecordFields fields = Fields("Projects");
    fields.posixPath = "/../../Outside";
    fields.absolutePath.reset();
    fields.targetNameUnicode = "Gone";
    EXPECT_EQ(Resolve(AliasRecordBytes(fields)).err, fnfErr);
}

TEST_P(ResolveRecord, NameAFileSpecificationCannotHoldIsNotResolved) {
    const std::string longName(70, 'n');
    Data().Folder(longName);
    Data().Folder("한글");
    EXPECT_EQ(Resolve(Record("Data", longName, AliasTargetKind::Folder)).err, bdNamErr);
    EXPECT_EQ(Resolve(Record("Data", "한글", AliasTargetKind::Folder)).err, bdNamErr);
}

TEST_P(ResolveRecord, DamagedRecordIsNotResolved) {
    Data().Folder("Projects/Docs");
    const std::string bytes = Record("Data", "Projects/Docs", AliasTargetKind::Folder);
    for (std::size_t length = 0; length < bytes.size(); length += 7)
        EXPECT_EQ(Resolve(bytes.substr(0, length)).err, paramErr) << "cut at " << length;
    std::string oversized = bytes;
    oversized[4] = '\x7F'; // total size far beyond the bytes
    EXPECT_EQ(Resolve(oversized).err, paramErr);
}

INSTANTIATE_TEST_SUITE_P(Versions, ResolveRecord, testing::Values(2, 3));

TEST_F(FakeVolumes, Version2FixedNamesServeWithoutUnicodeTags) {
    Data().Folder("Projects/書類");
    AliasRecordFields fields = AliasFieldsFor("Data", "Projects/書類", AliasTargetKind::Folder, 2);
    fields.volumeNameUnicode.reset();
    fields.targetNameUnicode.reset();
    fields.posixPath.reset();
    fields.absolutePath.reset();
    const Resolution r = Resolve(AliasRecordBytes(fields));
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(r.Name(), ShoruiMac);
}

TEST_F(FakeVolumes, MissingHandleOrTargetIsRefused) {
    FSSpec target;
    EXPECT_EQ(ResolveAlias(nullptr, nullptr, &target, nullptr), nilHandleErr);
    Handle h = NewHandle(0);
    EXPECT_EQ(ResolveAlias(nullptr, h, &target, nullptr), paramErr);
    EXPECT_EQ(ResolveAlias(nullptr, h, nullptr, nullptr), paramErr);
    DisposeHandle(h);
}

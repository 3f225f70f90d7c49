#include <gtest/gtest.h>

#include "platform/alias/Files.h"
#include "tests/platform/alias/AliasTestSupport.h"
#include "tests/platform/alias/FakeVolumes.h"
#include "tests/support/prefs/AliasRecordWriter.h"

using testprefs::AliasFieldsFor;
using testprefs::AliasRecordBytes;
using testprefs::AliasTargetKind;

namespace {

struct Query {
    OSErr err;
    std::string name;
    SInt32 parentID;
};

Query Ask(SInt16 vRefNum, SInt32 dirID, SInt16 index = -1) {
    Str255 name = {};
    CInfoPBRec pb;
    pb.ioNamePtr = name;
    pb.ioVRefNum = vRefNum;
    pb.ioFDirIndex = index;
    pb.ioDrDirID = dirID;
    const OSErr err = PBGetCatInfoSync(&pb);
    EXPECT_EQ(pb.ioResult, err);
    return {err, std::string(reinterpret_cast<const char*>(name + 1), name[0]), pb.ioDrParID};
}

} // namespace

class Catalogue : public FakeVolumes {
protected:
    Resolution ResolveFolder(const std::string& path) {
        Data().Folder(path);
        return Resolve(AliasRecordBytes(AliasFieldsFor("Data", path, AliasTargetKind::Folder)));
    }
};

TEST_F(Catalogue, VolumeRootIsTwoWithParentOne) {
    const Resolution r = ResolveFolder("Projects");
    ASSERT_EQ(r.err, noErr);
    const Query root = Ask(r.target.vRefNum, 2);
    EXPECT_EQ(root.err, noErr);
    EXPECT_EQ(root.name, "Data");
    EXPECT_EQ(root.parentID, 1);
    EXPECT_NE(Ask(r.target.vRefNum, 1).err, noErr); // above the root there is nothing to name
}

TEST_F(Catalogue, WalkFromAnItemReachesTheRootWithMacJapaneseNames) {
    const Resolution r = ResolveFolder("書類/2024年/報告");
    ASSERT_EQ(r.err, noErr);
    const Query parent = Ask(r.target.vRefNum, r.target.parID);
    ASSERT_EQ(parent.err, noErr);
    EXPECT_EQ(parent.name, "2024\x94\x4E"); // "2024年"
    const Query grandparent = Ask(r.target.vRefNum, parent.parentID);
    ASSERT_EQ(grandparent.err, noErr);
    EXPECT_EQ(grandparent.name, "\x8F\x91\x97\xDE"); // "書類"
    EXPECT_EQ(grandparent.parentID, 2);
}

TEST_F(Catalogue, FolderKeepsItsIDWithinTheRun) {
    const Resolution first = ResolveFolder("Projects/Docs");
    const Resolution sibling = ResolveFolder("Projects/Drafts");
    const Resolution again = ResolveFolder("Projects/Docs");
    ASSERT_EQ(first.err, noErr);
    EXPECT_GE(first.target.parID, 16);
    EXPECT_EQ(sibling.target.parID, first.target.parID);
    EXPECT_EQ(again.target.parID, first.target.parID);
    EXPECT_EQ(again.target.vRefNum, first.target.vRefNum);
}

TEST_F(Catalogue, VolumesHaveTheirOwnReferenceNumbers) {
    StartupDisk().Folder("Users");
    const Resolution onStartup =
        Resolve(AliasRecordBytes(AliasFieldsFor("Macintosh HD", "Users", AliasTargetKind::Folder)));
    const Resolution onData = ResolveFolder("Projects");
    ASSERT_EQ(onStartup.err, noErr);
    ASSERT_EQ(onData.err, noErr);
    EXPECT_NE(onStartup.target.vRefNum, onData.target.vRefNum);
    EXPECT_EQ(Ask(onStartup.target.vRefNum, 2).name, "Macintosh HD");
}

TEST_F(Catalogue, UnknownOrVanishedDirectoriesAreErrors) {
    const Resolution r = ResolveFolder("Projects/Docs");
    ASSERT_EQ(r.err, noErr);
    EXPECT_EQ(Ask(r.target.vRefNum, 999999).err, dirNFErr);
    EXPECT_EQ(Ask(r.target.vRefNum, 0).err, dirNFErr);
    EXPECT_EQ(Ask(12345, 2).err, nsvErr);
    EXPECT_EQ(Ask(r.target.vRefNum, 2, 0).err, paramErr); // only queries by directory ID
    std::filesystem::remove_all(Data().Path("Projects"));
    EXPECT_EQ(Ask(r.target.vRefNum, r.target.parID).err, dirNFErr);
    EXPECT_EQ(PBGetCatInfoSync(nullptr), paramErr);
}

#include "gather/DecrareEtc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/alias/Aliases.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/prefs/AliasRecordWriter.h"

using testprefs::AliasFieldsFor;
using testprefs::AliasRecordBytes;
using testprefs::AliasTargetKind;

TEST(DecrareEtcTextToHandle, HandleHoldsExactlyTheBytesAndIsLeftUnlocked) {
    const std::string bytes("\x00\x02\x00\x03"
                            "a:b\xFF",
                            8);
    Handle h = DecrareEtc::TextToHandle(String::FromBytes(bytes));
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetHandleSize(h), 8);
    EXPECT_EQ(std::string(*h, 8), bytes);
    EXPECT_EQ(HGetState(h) & kHandleLockedMask, 0);
    DisposeHandle(h);
}

TEST(DecrareEtcTextToHandle, EmptyTextGivesAnEmptyHandle) {
    Handle h = DecrareEtc::TextToHandle("");
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetHandleSize(h), 0);
    DisposeHandle(h);
}

class DecrareEtcGetFullPath : public testing::Test {
protected:
    // The FSSpec of a folder on the volume "Data".
    FSSpec Resolved(const std::string& path) {
        data_.Folder(path);
        const std::string record =
            AliasRecordBytes(AliasFieldsFor("Data", path, AliasTargetKind::Folder));
        Handle h = DecrareEtc::TextToHandle(String::FromBytes(record));
        FSSpec target;
        EXPECT_EQ(ResolveAlias(nullptr, h, &target, nullptr), noErr);
        DisposeHandle(h);
        return target;
    }

    FakeMachine machine_;
    FakeMacDisk& data_ = machine_.AddVolume("Data");
};

TEST_F(DecrareEtcGetFullPath, WalksUpToTheVolumeNameInMacJapanese) {
    const FSSpec target = Resolved("書類/報告");
    const String path = DecrareEtc::GetFullPath(target.vRefNum, target.parID);
    EXPECT_EQ(path.Bytes(), "Data:\x8F\x91\x97\xDE:"); // "Data:書類:"
}

TEST_F(DecrareEtcGetFullPath, RootIsTheVolumeNameAlone) {
    const FSSpec target = Resolved("Projects");
    EXPECT_EQ(DecrareEtc::GetFullPath(target.vRefNum, 2).Bytes(), "Data:");
}

TEST_F(DecrareEtcGetFullPath, FailingCatalogueGivesWhatWasFoundSoFar) {
    const FSSpec target = Resolved("Projects/Docs");
    EXPECT_TRUE(DecrareEtc::GetFullPath(target.vRefNum, 999999).IsEmpty());
    EXPECT_TRUE(DecrareEtc::GetFullPath(-300, 2).IsEmpty());
}

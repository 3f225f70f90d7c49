#include "gather/AliasPath.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/alias/MacMemory.h"
#include "platform/files/GetFolderItem.h"
#include "platform/files/Volumes.h"
#include "platform/gui/ModalScript.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/prefs/AliasRecordWriter.h"

using testprefs::AliasFieldsFor;
using testprefs::AliasRecordBytes;
using testprefs::AliasRecordFields;
using testprefs::AliasTargetKind;

namespace {

String Record(const AliasRecordFields& fields) {
    return String::FromBytes(AliasRecordBytes(fields));
}

String Record(const std::string& path, AliasTargetKind kind, int version = 3) {
    return Record(AliasFieldsFor("Data", path, kind, version));
}

} // namespace

class AliasPathTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        handlesBefore_ = HandlesInUse();
    }
    void TearDown() override {
        EXPECT_EQ(HandlesInUse(), handlesBefore_) << "a handle was not released";
        GuiTest::TearDown();
    }

    // Answers the message box, then the chooser with `choice` (Nil: cancel);
    // keeps the message shown.
    void ExpectMessageThenChooser(ModalKind chooser, const FolderItem& choice) {
        ModalScript::Push([this](Modal& m) {
            EXPECT_EQ(m.kind, ModalKind::MsgBox);
            message_ = m.message;
            m.PressActionButton();
        });
        ModalScript::Push([chooser, choice](Modal& m) {
            EXPECT_EQ(m.kind, chooser);
            if (choice.IsNil())
                m.CancelChooser();
            else
                m.Choose(choice);
        });
    }

    FakeMachine machine_;
    FakeMacDisk& data_ = machine_.AddVolume("Data");
    std::string message_;

private:
    std::size_t handlesBefore_ = 0;
};

TEST_F(AliasPathTest, EmptyEntryGivesEmptyPath) {
    EXPECT_TRUE(AliasPath::gAbsPath_dc("", false).IsEmpty());
}

TEST_F(AliasPathTest, AbsolutePathComesBackUnchanged) {
    const String existing = String(data_.Folder("Projects").AbsolutePath().ToUTF8());
    EXPECT_EQ(AliasPath::gAbsPath_dc(existing, false).Bytes(), existing.Bytes());
    const String missing = String::FromBytes("/nowhere/書類"); // no label, no item: still a path
    const String result = AliasPath::gAbsPath_dc(missing, false);
    EXPECT_EQ(result.Bytes(), missing.Bytes());
    EXPECT_EQ(result.Encoding(), nullptr);
}

class ResolvedAliasPath : public AliasPathTest, public testing::WithParamInterface<int> {};

TEST_P(ResolvedAliasPath, FolderPathEndsInColon) {
    data_.Folder("Projects/Docs");
    const String path =
        AliasPath::gAbsPath_dc(Record("Projects/Docs", AliasTargetKind::Folder, GetParam()), false);
    EXPECT_EQ(path.ToUTF8(), "Data:Projects:Docs:");
}

TEST_P(ResolvedAliasPath, FilePathHasNoFinalColon) {
    data_.File("Projects/notes.txt");
    const String path = AliasPath::gAbsPath_dc(
        Record("Projects/notes.txt", AliasTargetKind::File, GetParam()), false);
    EXPECT_EQ(path.ToUTF8(), "Data:Projects:notes.txt");
}

TEST_P(ResolvedAliasPath, ItemInTheVolumeRootFollowsTheVolumeName) {
    data_.File("notes.txt");
    data_.Folder("Projects");
    EXPECT_EQ(AliasPath::gAbsPath_dc(Record("notes.txt", AliasTargetKind::File, GetParam()), false)
                  .ToUTF8(),
              "Data:notes.txt");
    EXPECT_EQ(AliasPath::gAbsPath_dc(Record("Projects", AliasTargetKind::Folder, GetParam()), false)
                  .ToUTF8(),
              "Data:Projects:");
}

TEST_P(ResolvedAliasPath, ShiftJISNamesComeBackInUTF8) {
    data_.Folder("書類/2024年/報告");
    const String path = AliasPath::gAbsPath_dc(
        Record("書類/2024年/報告", AliasTargetKind::Folder, GetParam()), false);
    EXPECT_EQ(path.Bytes(), "Data:書類:2024年:報告:");
    EXPECT_FALSE(GetFolderItem(path, 0).IsNil());
}

INSTANTIATE_TEST_SUITE_P(Versions, ResolvedAliasPath, testing::Values(2, 3));

TEST_F(AliasPathTest, UnresolvedRecordShowsItsPathAndTakesTheChosenFolder) {
    const FolderItem chosen = data_.Folder("Elsewhere");
    ExpectMessageThenChooser(ModalKind::SelectFolder, chosen);
    const String path = AliasPath::gAbsPath_dc(Record("書類/Gone", AliasTargetKind::Folder), false);
    EXPECT_EQ(message_, "「Data:書類:Gone」が見つかりません。再指定して下さい。");
    EXPECT_EQ(path.Bytes(), chosen.AbsolutePath().Bytes()); // as the chooser gives it, no ":"
}

TEST_F(AliasPathTest, FileModeOffersTheFileChooser) {
    const FolderItem chosen = data_.File("Elsewhere/notes.txt");
    ExpectMessageThenChooser(ModalKind::OpenFile, chosen);
    const String path = AliasPath::gAbsPath_dc(Record("Gone.txt", AliasTargetKind::File), true);
    EXPECT_EQ(path.Bytes(), chosen.AbsolutePath().Bytes());
}

TEST_F(AliasPathTest, CancelledChooserGivesEmptyPath) {
    ExpectMessageThenChooser(ModalKind::SelectFolder, FolderItem());
    EXPECT_TRUE(AliasPath::gAbsPath_dc(Record("Gone", AliasTargetKind::Folder), false).IsEmpty());
}

TEST_F(AliasPathTest, RecordWithoutFullPathShowsTheEntryItself) {
    AliasRecordFields fields = AliasFieldsFor("Data", "Gone", AliasTargetKind::Folder, 3);
    fields.absolutePath.reset();
    ExpectMessageThenChooser(ModalKind::SelectFolder, FolderItem());
    AliasPath::gAbsPath_dc(Record(fields), false);
    EXPECT_TRUE(message_.starts_with("「"));
    EXPECT_TRUE(message_.ends_with("」が見つかりません。再指定して下さい。"));
    EXPECT_GT(message_.size(), std::string("「」が見つかりません。再指定して下さい。").size());
}

TEST_F(AliasPathTest, DamagedRecordIsAskedForLikeAMissingOne) {
    data_.Folder("Projects/Docs");
    const std::string bytes =
        AliasRecordBytes(AliasFieldsFor("Data", "Projects/Docs", AliasTargetKind::Folder, 3));
    ExpectMessageThenChooser(ModalKind::SelectFolder, FolderItem());
    EXPECT_TRUE(AliasPath::gAbsPath_dc(String::FromBytes(bytes.substr(0, bytes.size() - 9)), false)
                    .IsEmpty());
}

// This machine's start-up disk and the old machine's disk beside it, both
// "Macintosh HD", each with the folder that a classic folder record names.
constexpr std::uint32_t kNewDiskDate = 3'700'000'000;
constexpr std::uint32_t kOldDiskDate = 3'300'000'000;

struct SameNameCase {
    const char* name;
    std::uint32_t recordDate; // 0: the record keeps none
    int preferredVolume;      // the picker's choice; -1 none
    const char* foundOn;      // "new", "old", or "" when not found
    std::uint32_t oldDiskDate = kOldDiskDate;
    Storage oldDateKept = Storage::AppleDouble; // ExtendedAttribute: by netatalk
    int resolvedBefore = -1; // the picker's choice when the record was found before; -1 never
};

void PrintTo(const SameNameCase& value, std::ostream* out) {
    *out << value.name;
}

class SameNamedDisks : public AliasPathTest, public testing::WithParamInterface<SameNameCase> {
protected:
    static constexpr const char* kFolder = "Users/taro/Documents/Kelmo書類";

    void SetUp() override {
        AliasPathTest::SetUp();
        machine_.StartupDisk().Folder(kFolder);
        machine_.StartupDisk().SetVolumeCreationDate(kNewDiskDate);
        old_.Folder(kFolder);
        old_.SetVolumeCreationDate(GetParam().oldDiskDate, GetParam().oldDateKept);
    }

    FakeMacDisk& old_ = machine_.AddVolume("Macintosh HD"); // Volume(2), after "Data"
};

TEST_P(SameNamedDisks, TheRecordsDiskKeepsItsPlaceThroughItsMacPath) {
    const SameNameCase& c = GetParam();
    AliasRecordFields fields = AliasFieldsFor("Macintosh HD", kFolder, AliasTargetKind::Folder, 2);
    fields.volumeCreated = c.recordDate;
    if (c.resolvedBefore >= 0) {
        SetPreferredVolume(Volume(c.resolvedBefore));
        ASSERT_FALSE(AliasPath::gAbsPath_dc(Record(fields), false).IsEmpty());
    }
    SetPreferredVolume(c.preferredVolume < 0 ? FolderItem() : Volume(c.preferredVolume));
    const std::string foundOn = c.foundOn;
    if (foundOn.empty())
        ExpectMessageThenChooser(ModalKind::SelectFolder, FolderItem());

    const String path = AliasPath::gAbsPath_dc(Record(fields), false);
    SetPreferredVolume(FolderItem());

    if (foundOn.empty()) {
        EXPECT_TRUE(path.IsEmpty());
        EXPECT_EQ(
            message_,
            "「Macintosh HD:Users:taro:Documents:Kelmo書類」が見つかりません。再指定して下さい。");
        return;
    }
    EXPECT_EQ(path.ToUTF8(), "Macintosh HD:Users:taro:Documents:Kelmo書類:");
    const FakeMacDisk& disk = foundOn == "old" ? old_ : machine_.StartupDisk();
    EXPECT_EQ(GetFolderItem(path, 0).PosixPath(), disk.Path(kFolder));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SameNamedDisks,
    testing::Values(SameNameCase{"DateTellsTheOldDisk", kOldDiskDate, -1, "old"},
                    SameNameCase{"DateOutweighsThePicker", kNewDiskDate, 2, "new"},
                    SameNameCase{"PickerFirstWithoutDate", 0, 2, "old"},
                    SameNameCase{"PickerFirstWhenNoDateMatches", 12345, 2, "old"},
                    SameNameCase{"UndecidableIsNotFound", 0, -1, ""},
                    SameNameCase{"NetatalkDateTellsTheOldDisk", kOldDiskDate, -1, "old",
                                 kOldDiskDate, Storage::ExtendedAttribute},
                    SameNameCase{"SharedDateTakesThePicker", kNewDiskDate, 2, "old", kNewDiskDate},
                    SameNameCase{"SharedDateLeadsTheMacPathToTheDiskFoundLast", kNewDiskDate, 2,
                                 "old", kNewDiskDate, Storage::AppleDouble, 0}),
    [](const testing::TestParamInfo<SameNameCase>& info) { return info.param.name; });

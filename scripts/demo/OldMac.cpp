#include "scripts/demo/OldMac.h"

#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/text/TextEncoding.h"
#include "tests/support/FakeMacDisk.h"
#include "tests/support/prefs/AliasRecordWriter.h"
#include "tests/support/prefs/PrefFileWriter.h"

namespace demo {

namespace {

// Kelmo writes its paths in Mac Japanese.
std::string MacJapanese(const std::string& utf8) {
    const std::u16string text = Encodings::UTF8()->ToUnicode(utf8);
    std::string bytes = Encodings::MacJapanese()->FromUnicode(text);
    if (Encodings::MacJapanese()->ToUnicode(bytes) != text)
        throw std::runtime_error("the path can't be written in Mac Japanese: " + utf8);
    return bytes;
}

void Bundle(FakeMacDisk& disk, const std::string& folder, const std::string& name,
            std::string_view code) {
    const std::string bundle = folder + "/" + name + ".app";
    disk.AppBundle(bundle, code);
    disk.File(bundle + "/Contents/MacOS/" + name, "demo executable\n");
}

void InstallApplications(FakeMacDisk& disk) {
    Bundle(disk, "Applications/Solvane II", "Solvane", "APPLqWt1");
    disk.File("Applications/Solvane II/はじめにお読みください.txt",
              "Solvane II をお使いいただき…\n");
    Bundle(disk, "Applications/Tessaro", "Tessaro", "APPLqWt4");
    Bundle(disk, "Applications/Kelmo", "Kelmo", "APPLqWt5");
    // Single application files: Brisko's type and creator in an extended
    // attribute, Swapdeck's in an AppleDouble file, as a copy from a FAT disk has it.
    disk.TypedFile("Applications/Brisko/Brisko", "APPL", "qWtm", Storage::ExtendedAttribute,
                   "demo executable\n");
    disk.TypedFile("Applications/Solvane II Swapdeck/Swapdeck", "APPL", "qWt2",
                   Storage::AppleDouble, "demo executable\n");
    // Passed over: a product that is recognised and not gathered, another
    // maker's application, a hidden folder, a package directly in Applications.
    Bundle(disk, "Applications/SolvaCard", "SolvaCard", "APPLqWt3");
    Bundle(disk, "Applications/Mellow Paint", "Mellow Paint", "APPLMlPt");
    Bundle(disk, "Applications/.Solvane II old", "Solvane", "APPLqWt1");
    Bundle(disk, "Applications", "Solvane", "APPLqWt1");
}

void MakeDocuments(FakeMacDisk& disk, const std::string& documents) {
    disk.TypedFile(documents + "/Solvane書類/見積書 2007-03", "Tbx3", "qWt1",
                   Storage::ExtendedAttribute, "見積書\n");
    disk.TypedFile(documents + "/Solvane書類/請求書 2007-04", "Tcx3", "qWt1", Storage::AppleDouble,
                   "請求書\n");
    disk.TypedFile(documents + "/Solvane書類/2006年/見積書 2006-12", "Tbx3", "qWt1",
                   Storage::ExtendedAttribute, "見積書\n");
    disk.TypedFile(documents + "/Tessaro書類/店舗レイアウト", "Tpxl", "qWt4",
                   Storage::ExtendedAttribute, "レイアウト\n");
    disk.TypedFile(documents + "/Kelmo書類/顧客名簿", "Tkmo", "qWt5", Storage::ExtendedAttribute,
                   "名簿\n");
    // Loose documents: one of the maker's, to add by hand, and one of another maker.
    disk.TypedFile(documents + "/見積書 2007-05", "Tbx3", "qWt1", Storage::ExtendedAttribute,
                   "見積書\n");
    disk.File(documents + "/メモ.txt", "買い物リスト\n");
}

// Each product finds its document folder through entry 19 of its own
// preference file: Solvane as a path, Tessaro as an alias record of the
// folder on this disk, Kelmo as a path in Mac Japanese. Kelmo also keeps its
// user dictionary as an alias record, which is resolved and not gathered.
void MakePreferences(FakeMacDisk& disk, const std::string& library, const std::string& documents) {
    const std::filesystem::path preferences = disk.Path(library + "/Preferences");
    const std::string volumeName = std::filesystem::path(disk.Path()).filename().string();

    testprefs::PrefFile solvane;
    solvane.entries[19] = disk.Path(documents + "/Solvane書類");
    testprefs::WritePref2(preferences / "Solvane初期設定", solvane);

    testprefs::PrefFile tessaro;
    tessaro.entries[19] = testprefs::AliasRecordBytes(testprefs::AliasFieldsFor(
        volumeName, documents + "/Tessaro書類", testprefs::AliasTargetKind::Folder));
    testprefs::WritePref2(preferences / "Tessaro初期設定", tessaro);

    testprefs::PrefFile kelmo;
    kelmo.entries[18] = testprefs::AliasRecordBytes(
        testprefs::AliasFieldsFor(volumeName, library + "/Application Support/Kelmo/ユーザ辞書",
                                  testprefs::AliasTargetKind::File));
    kelmo.entries[19] = MacJapanese(disk.Path(documents + "/Kelmo書類"));
    testprefs::WritePref(preferences / "Kelmo初期設定", kelmo);

    disk.File(library + "/Preferences/Brisko初期設定/Brisko Prefs", "brisko\n");
    disk.File(library + "/Preferences/com.apple.finder.plist", "finder\n");

    disk.File(library + "/Application Support/Solvane II/テンプレート/標準見積書",
              "テンプレート\n");
    disk.File(library + "/Application Support/Kelmo/ユーザ辞書", "辞書\n");
}

} // namespace

void MakeOldMac(FakeMacDisk& disk, std::string_view user) {
    const std::string home = "Users/" + std::string(user);
    InstallApplications(disk);
    MakeDocuments(disk, home + "/Documents");
    MakePreferences(disk, home + "/Library", home + "/Documents");
}

} // namespace demo

#include "scripts/demo/NewMac.h"

#include <string>

#include "tests/support/FakeMacDisk.h"

namespace demo {

void MakeNewMac(FakeMacDisk& disk, std::string_view user) {
    const std::string home = "Users/" + std::string(user);
    disk.AppBundle("Applications/Mellow Paint/Mellow Paint.app", "APPLMlPt");
    disk.File(home + "/Library/Preferences/Solvane初期設定/Solvane 1.0 の設定", "古い設定\n");
    disk.Folder(home + "/Library/Application Support");
    disk.Folder(home + "/Documents");
}

} // namespace demo

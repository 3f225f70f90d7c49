#include "tests/support/FakeMachine.h"

FakeMachine::FakeMachine(std::string_view user)
    : startupDisk_(folder_.Path(), "Macintosh HD"), home_("Users/" + std::string(user)) {
    startupDisk_.Folder("Applications");
    startupDisk_.Folder(home_ + "/Library/Preferences");
    startupDisk_.Folder(home_ + "/Library/Application Support");
    startupDisk_.Folder(home_ + "/Documents");
    FolderItem::AtPosixPath(VolumesFolder()).CreateAsFolder();
    environment_.Set("DRAVO_STARTUP_DISK", startupDisk_.Path())
        .Set("DRAVO_VOLUMES", VolumesFolder())
        .Set("HOME", startupDisk_.Path(home_));
}

FakeMacDisk& FakeMachine::AddVolume(std::string_view name) {
    volumes_.push_back(std::make_unique<FakeMacDisk>(VolumesFolder(), name));
    return *volumes_.back();
}

std::string FakeMachine::VolumesFolder() const {
    return folder_.Path("Volumes");
}

#pragma once
// A whole machine for one test: a start-up disk "Macintosh HD" with
// Applications and a user's home (Library/Preferences, Library/Application
// Support, Documents), a folder of further volumes, and the environment
// (DRAVO_STARTUP_DISK, DRAVO_VOLUMES, HOME) pointing at them until the
// machine goes.
//
//   FakeMachine machine;
//   machine.StartupDisk().AppBundle("Applications/Solvane.app", "APPLqWt1");
//   FakeMacDisk& old = machine.AddVolume("Old Mac");

#include "tests/support/FakeMacDisk.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class FakeMachine {
public:
    explicit FakeMachine(std::string_view user = "taro");

    FakeMacDisk& StartupDisk() { return startupDisk_; }
    // A further volume, listed by Volume(i) in name order after the start-up disk.
    FakeMacDisk& AddVolume(std::string_view name);
    // The user's home, relative to the start-up disk ("Users/taro").
    const std::string& Home() const { return home_; }
    // The folder that DRAVO_VOLUMES names.
    std::string VolumesFolder() const;

private:
    TemporaryFolder folder_;
    FakeMacDisk startupDisk_;
    std::string home_;
    std::vector<std::unique_ptr<FakeMacDisk>> volumes_;
    ScopedEnvironment environment_;
};

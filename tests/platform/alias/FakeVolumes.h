#pragma once
// A machine for one test: the start-up disk "Macintosh HD" and a further
// volume "Data", which Volume(i) lists while the test runs.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/FakeMachine.h"

class FakeVolumes : public testing::Test {
protected:
    FakeMacDisk& StartupDisk() { return machine_.StartupDisk(); }
    FakeMacDisk& Data() { return data_; }
    // A folder beside the volumes, on none of them.
    std::filesystem::path Outside() const {
        return std::filesystem::path(machine_.VolumesFolder()).parent_path() / "Outside";
    }

private:
    FakeMachine machine_;
    FakeMacDisk& data_ = machine_.AddVolume("Data");
};

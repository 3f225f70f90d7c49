#pragma once
// The new Mac's start-up disk of the demo world: a fresh user with one older
// preference folder of Solvane, which a paste may replace.

#include <string_view>

class FakeMacDisk;

namespace demo {

void MakeNewMac(FakeMacDisk& disk, std::string_view user);

} // namespace demo

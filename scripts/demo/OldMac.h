#pragma once
// The old Mac's start-up disk of the demo world, as a user of the maker's
// products has it: applications installed in their folders, the user's
// preference folders with the products' own preference files, Application
// Support folders, and the document folders that those files point to.

#include <string_view>

class FakeMacDisk;

namespace demo {

void MakeOldMac(FakeMacDisk& disk, std::string_view user);

} // namespace demo

#pragma once
// One assistant at a time per program folder: the transfer folder and the
// copy-done marker beside the program belong to the one that runs. The lock
// lies on an open descriptor of the folder, so it ends with its process
// however that ends; nothing left on the disk keeps a later start out.

namespace files {

// Locks the program folder for the rest of this process. False when another
// process holds it; true when this one does, and also where the folder takes
// no lock (it can't be opened, its file system keeps none): that start goes on.
bool LockProgramFolder();

} // namespace files

#pragma once
// File work that takes long, run on a thread of its own so that the windows
// keep redrawing and taking clicks meanwhile.
//
// RunInBackground returns only once the job has finished. Until then its
// caller waits as a cooperative thread waits (coop::WaitUntil): the event
// loop and the other cooperative threads go on. The job runs beside the GUI
// thread, so it may touch only what it owns: paths and values handed to it,
// never a window, a control, a FolderItem handle or a module global.
//
// A job still running when the process ends (a quit in the middle of a
// copy) is waited for, so that it finishes or undoes what it began and
// leaves no half-made entry behind.

#include <functional>

namespace work {

// Runs job on a background thread; what it throws is thrown here.
void RunInBackground(std::function<void()> job);

} // namespace work

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
// The caller's stopRequested is asked on the GUI thread while it waits, each
// time events have come; once it holds, the job's StopRequest is set, which
// the job looks at between chunks of its work.
//
// At the end of the process (a quit in the middle of a copy) every job still
// running is asked to stop and waited for a few seconds, so that it undoes
// what it began and leaves no half-made entry behind. A job that has not
// ended by then (blocked by a disk that no longer answers) does not hold the
// process: it ends at once, with a failure status.

#include "platform/files/StopRequest.h"

#include <functional>

namespace work {

// Runs job on a background thread; what it throws is thrown here.
void RunInBackground(std::function<void(const files::StopRequest& stop)> job,
                     const std::function<bool()>& stopRequested = {});

} // namespace work

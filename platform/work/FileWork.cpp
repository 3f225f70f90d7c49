#include "platform/work/FileWork.h"

#include "platform/files/Scratch.h"
#include "platform/files/TreeCopy.h"
#include "platform/work/BackgroundWork.h"
#include "platform/work/SafeReplace.h"

#include <memory>
#include <string>

namespace work {

namespace {

// What a job reports; shared, as the job may outlive a caller that quits.
struct Outcome {
    bool succeeded = false;
    std::string error;
};

bool Finish(const Outcome& outcome, String& reason) {
    reason = outcome.succeeded ? String() : String(outcome.error);
    return outcome.succeeded;
}

} // namespace

bool CopyFileTo(const FolderItem& item, const FolderItem& folder, files::SourceLink sourceLink,
                String& reason, const std::function<bool()>& stopRequested) {
    // Plain paths go to the worker, never the handles the GUI thread uses.
    const std::string source = item.PosixPath();
    const std::string destination = folder.PosixPath();
    const auto outcome = std::make_shared<Outcome>();
    RunInBackground(
        [outcome, source, destination, sourceLink](const files::StopRequest& stop) {
            std::string leftOut;
            if (files::CopyIntoFolder(source, destination, sourceLink, outcome->error, leftOut,
                                      &stop)) {
                // Something left out makes the copy incomplete.
                outcome->succeeded = leftOut.empty();
                outcome->error = leftOut;
            }
        },
        stopRequested);
    return Finish(*outcome, reason);
}

bool ReplaceWithCopy(const FolderItem& existing, const FolderItem& item,
                     files::SourceLink sourceLink, String& reason,
                     const std::function<bool()>& stopRequested) {
    const std::string target = existing.PosixPath();
    const std::string source = item.PosixPath();
    const auto outcome = std::make_shared<Outcome>();
    RunInBackground(
        [outcome, target, source, sourceLink](const files::StopRequest& stop) {
            outcome->succeeded =
                ReplaceWithCopyOf(target, source, sourceLink, outcome->error, &stop);
        },
        stopRequested);
    return Finish(*outcome, reason);
}

void ClearStaleScratch(const FolderItem& folder) {
    const std::string path = folder.PosixPath();
    RunInBackground([path](const files::StopRequest&) { files::ClearStaleScratch(path); });
}

} // namespace work
